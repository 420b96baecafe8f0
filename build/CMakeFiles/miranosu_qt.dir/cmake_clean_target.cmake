file(REMOVE_RECURSE
  "libmiranosu_qt.a"
)
