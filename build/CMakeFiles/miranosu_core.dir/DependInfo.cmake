
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/app/about_box.cpp" "CMakeFiles/miranosu_core.dir/src/app/about_box.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/app/about_box.cpp.o.d"
  "/work/main/src/app/forms.cpp" "CMakeFiles/miranosu_core.dir/src/app/forms.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/app/forms.cpp.o.d"
  "/work/main/src/app/main_window.cpp" "CMakeFiles/miranosu_core.dir/src/app/main_window.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/app/main_window.cpp.o.d"
  "/work/main/src/app/project_commands.cpp" "CMakeFiles/miranosu_core.dir/src/app/project_commands.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/app/project_commands.cpp.o.d"
  "/work/main/src/common/cp932.cpp" "CMakeFiles/miranosu_core.dir/src/common/cp932.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/common/cp932.cpp.o.d"
  "/work/main/src/common/numbers.cpp" "CMakeFiles/miranosu_core.dir/src/common/numbers.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/common/numbers.cpp.o.d"
  "/work/main/src/conditions/allowable_stress.cpp" "CMakeFiles/miranosu_core.dir/src/conditions/allowable_stress.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/conditions/allowable_stress.cpp.o.d"
  "/work/main/src/conditions/conditions_screen.cpp" "CMakeFiles/miranosu_core.dir/src/conditions/conditions_screen.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/conditions/conditions_screen.cpp.o.d"
  "/work/main/src/conditions/earth_pressure.cpp" "CMakeFiles/miranosu_core.dir/src/conditions/earth_pressure.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/conditions/earth_pressure.cpp.o.d"
  "/work/main/src/platform/controls.cpp" "CMakeFiles/miranosu_core.dir/src/platform/controls.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/platform/controls.cpp.o.d"
  "/work/main/src/platform/desktop.cpp" "CMakeFiles/miranosu_core.dir/src/platform/desktop.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/platform/desktop.cpp.o.d"
  "/work/main/src/platform/form.cpp" "CMakeFiles/miranosu_core.dir/src/platform/form.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/platform/form.cpp.o.d"
  "/work/main/src/platform/services.cpp" "CMakeFiles/miranosu_core.dir/src/platform/services.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/platform/services.cpp.o.d"
  "/work/main/src/platform/surface.cpp" "CMakeFiles/miranosu_core.dir/src/platform/surface.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/platform/surface.cpp.o.d"
  "/work/main/src/platform/utf8.cpp" "CMakeFiles/miranosu_core.dir/src/platform/utf8.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/platform/utf8.cpp.o.d"
  "/work/main/src/section/section_screen.cpp" "CMakeFiles/miranosu_core.dir/src/section/section_screen.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/section/section_screen.cpp.o.d"
  "/work/main/src/stability/dimension_screen.cpp" "CMakeFiles/miranosu_core.dir/src/stability/dimension_screen.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/stability/dimension_screen.cpp.o.d"
  "/work/main/src/stability/invalidation.cpp" "CMakeFiles/miranosu_core.dir/src/stability/invalidation.cpp.o" "gcc" "CMakeFiles/miranosu_core.dir/src/stability/invalidation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
