file(REMOVE_RECURSE
  "CMakeFiles/unit_tests_autogen"
  "unit_tests_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/unit_tests_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
