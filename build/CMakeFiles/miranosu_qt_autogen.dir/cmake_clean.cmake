file(REMOVE_RECURSE
  "CMakeFiles/miranosu_qt_autogen"
  "miranosu_qt_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/miranosu_qt_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
