file(REMOVE_RECURSE
  "CMakeFiles/miranosu_qt_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/miranosu_qt_autogen.dir/ParseCache.txt"
  "miranosu_qt_autogen"
  "CMakeFiles/miranosu_qt.dir/miranosu_qt_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/miranosu_qt.dir/miranosu_qt_autogen/mocs_compilation.cpp.o.d"
  "libmiranosu_qt.a"
  "libmiranosu_qt.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/miranosu_qt.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
