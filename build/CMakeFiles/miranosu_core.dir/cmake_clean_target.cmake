file(REMOVE_RECURSE
  "libmiranosu_core.a"
)
