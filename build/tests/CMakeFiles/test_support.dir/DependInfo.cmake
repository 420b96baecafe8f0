
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/support/scripted_services.cpp" "tests/CMakeFiles/test_support.dir/support/scripted_services.cpp.o" "gcc" "tests/CMakeFiles/test_support.dir/support/scripted_services.cpp.o.d"
  "/work/main/build/tests/test_support_autogen/mocs_compilation.cpp" "tests/CMakeFiles/test_support.dir/test_support_autogen/mocs_compilation.cpp.o" "gcc" "tests/CMakeFiles/test_support.dir/test_support_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/CMakeFiles/miranosu_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
