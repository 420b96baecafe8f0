# The include guard against small source trees: an upward include fails it in every
# spelling, and the includes a floor may make pass.
# Run: cmake -DCHECK=<check_includes.cmake> -DWORK=<scratch folder> -P check_includes_test.cmake
if(NOT CHECK OR NOT WORK)
  message(FATAL_ERROR "CHECK: the guard to test; WORK: a scratch folder")
endif()

# A tree whose every include points down; each case adds one file to a copy of it.
set(ALLOWED
    "common/x.h|#pragma once"
    "conditions/y.h|#pragma once"
    "section/b.h|#pragma once"
    "project/f.h|#pragma once"
    "platform/form.h|#pragma once"
    "stability/beside.h|#pragma once"
    "stability/ok.cpp|#include \"common/x.h\"\n#include <common/x.h>\n#include \"../conditions/y.h\"\n#include \"beside.h\"\n#include <vector>"
    "report/report_pages.h|#pragma once"
    "report/pages/p.cpp|#include \"../report_pages.h\"\n#include \"../../section/b.h\"\n# include <section/b.h>"
    "platform/qt/w.cpp|#include <QWidget>\n#include \"platform/form.h\"\n#include \"../form.h\""
    "main.cpp|#include <QApplication>\n#include \"app/main_window.h\"")

# Each case: the file that includes, and its include line.
set(UPWARD
    "stability/a.cpp|#include \"section/b.h\""
    "stability/a.cpp|#include <section/b.h>"
    "stability/a.cpp|#include \"../section/b.h\""
    "stability/a.cpp|#include \"./../section/b.h\""
    "stability/a.cpp|#include \"stability/../section/b.h\""
    "stability/a.cpp|#include \"../../src/section/b.h\""
    "stability/a.cpp|#include\"section/b.h\""
    "stability/a.cpp|#include<section/b.h>"
    "stability/a.cpp|  #  include   \"section/b.h\""
    "stability/a.cpp|\t#\tinclude\t<section/b.h>"
    "stability/a.cpp|#include /* the slab */ \"section/b.h\""
    "stability/a.cpp|#include_next <section/b.h>"
    "stability/a.cpp|#include \"section/missing.h\""
    "stability/a.h|#include <section/b.h>"
    "report/pages/q.cpp|#include \"../../project/f.h\""
    "report/pages/q.cpp|#include <project/f.h>"
    "common/c.cpp|#include <QtWidgets/QWidget>"
    "common/c.cpp|#include \"platform/qt/w.cpp\""
    "platform/qt/v.cpp|#include \"../../common/x.h\"")

function(write_tree dir)
  file(REMOVE_RECURSE "${dir}")
  foreach(entry ${ALLOWED} ${ARGN})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 path)
    list(GET parts 1 text)
    file(WRITE "${dir}/src/${path}" "${text}\n")
  endforeach()
endfunction()

function(guard dir out)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${dir}/src -P ${CHECK} RESULT_VARIABLE result OUTPUT_QUIET
                  ERROR_VARIABLE error)
  set(${out} "${result}" PARENT_SCOPE)
  set(${out}_error "${error}" PARENT_SCOPE)
endfunction()

set(FAULTS "")
write_tree("${WORK}/allowed")
guard("${WORK}/allowed" result)
if(NOT result EQUAL 0)
  string(APPEND FAULTS "\n  the allowed includes fail: ${result_error}")
endif()

set(index 0)
foreach(case ${UPWARD})
  math(EXPR index "${index} + 1")
  write_tree("${WORK}/upward${index}" "${case}")
  guard("${WORK}/upward${index}" result)
  if(result EQUAL 0)
    string(APPEND FAULTS "\n  not caught: ${case}")
  endif()
endforeach()

if(FAULTS)
  message(FATAL_ERROR "The include guard:${FAULTS}")
endif()
message(STATUS "${index} upward spellings caught, the allowed ones pass")
