# Each folder of src/ is two libraries: <name>_core (rules, statements; no QtWidgets)
# and <name>_ui (windows). A source file belongs to the windows library when its name
# ends in Ut, Widget, Dialog or Ui (TBkBorrowFm lives in BkBorrowUt.cpp); every other
# source file is core.
set(UI_FILE_REGEX "(Ut|Widget|Dialog|Ui)\\.(cpp|h)$")

function(library_folder name)
  cmake_parse_arguments(LF "" "" "CORE_DEPS;UI_DEPS" ${ARGN})
  # Headers are listed too, so that AUTOMOC notices a Q_OBJECT added to one later.
  file(GLOB all_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(DEV_EXCLUDE)
    list(FILTER all_sources EXCLUDE REGEX "${DEV_EXCLUDE}")
  endif()
  set(core_sources ${all_sources})
  list(FILTER core_sources EXCLUDE REGEX ${UI_FILE_REGEX})
  set(ui_sources ${all_sources})
  list(FILTER ui_sources INCLUDE REGEX ${UI_FILE_REGEX})

  if(core_sources)
    add_library(${name}_core STATIC ${core_sources})
    target_include_directories(${name}_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name}_core PUBLIC Qt6::Core Qt6::Gui Qt6::Sql ${LF_CORE_DEPS})
  else()
    add_library(${name}_core INTERFACE)
    target_include_directories(${name}_core INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name}_core INTERFACE Qt6::Core Qt6::Gui Qt6::Sql ${LF_CORE_DEPS})
  endif()

  if(ui_sources)
    add_library(${name}_ui STATIC ${ui_sources})
    target_link_libraries(${name}_ui PUBLIC ${name}_core Qt6::Widgets Qt6::PrintSupport ${LF_UI_DEPS})
  else()
    add_library(${name}_ui INTERFACE)
    target_link_libraries(${name}_ui INTERFACE ${name}_core ${LF_UI_DEPS})
  endif()
endfunction()

# tests/<name>/tst_*.cpp: one executable each, linked to the folder's libraries.
function(test_folder name)
  cmake_parse_arguments(TF "" "" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  if(DEV_EXCLUDE)
    list(FILTER test_sources EXCLUDE REGEX "${DEV_EXCLUDE}")
  endif()
  foreach(src ${test_sources})
    get_filename_component(target ${src} NAME_WE)
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${TF_LIBS} test_support Qt6::Test)
    target_compile_definitions(${target} PRIVATE
      FIXTURE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
      BOOKCTL_PATH="$<TARGET_FILE:bookctl>")
    add_dependencies(${target} bookctl)
    add_test(NAME ${name}.${target} COMMAND ${target})
    set_tests_properties(${name}.${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT 600)
  endforeach()
endfunction()
