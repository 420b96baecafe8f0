file(REMOVE_RECURSE
  "CMakeFiles/miranosu_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/miranosu_autogen.dir/ParseCache.txt"
  "miranosu_autogen"
  "CMakeFiles/miranosu.dir/miranosu_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/miranosu.dir/miranosu_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/miranosu.dir/src/main.cpp.o"
  "CMakeFiles/miranosu.dir/src/main.cpp.o.d"
  "miranosu"
  "miranosu.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/miranosu.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
