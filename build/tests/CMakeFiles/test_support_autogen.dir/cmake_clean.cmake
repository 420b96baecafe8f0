file(REMOVE_RECURSE
  "CMakeFiles/test_support_autogen"
  "test_support_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/test_support_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
