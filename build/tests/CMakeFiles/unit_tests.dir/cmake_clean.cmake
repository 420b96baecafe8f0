file(REMOVE_RECURSE
  "CMakeFiles/unit_tests_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/unit_tests_autogen.dir/ParseCache.txt"
  "unit_tests_autogen"
  "CMakeFiles/unit_tests.dir/platform/smoke_test.cpp.o"
  "CMakeFiles/unit_tests.dir/platform/smoke_test.cpp.o.d"
  "CMakeFiles/unit_tests.dir/unit_tests_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/unit_tests.dir/unit_tests_autogen/mocs_compilation.cpp.o.d"
  "unit_tests"
  "unit_tests.pdb"
  "unit_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/unit_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
