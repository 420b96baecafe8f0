
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/platform/smoke_test.cpp" "tests/CMakeFiles/unit_tests.dir/platform/smoke_test.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/platform/smoke_test.cpp.o.d"
  "/work/main/build/tests/unit_tests_autogen/mocs_compilation.cpp" "tests/CMakeFiles/unit_tests.dir/unit_tests_autogen/mocs_compilation.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/unit_tests_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/tests/CMakeFiles/test_support.dir/DependInfo.cmake"
  "/work/main/build/CMakeFiles/miranosu_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
