# The Windows build: launcher library, resources, the exe, test support and the demo game folder.
enable_language(RC)
set(TR_OUT ${CMAKE_BINARY_DIR})
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TR_OUT})

add_compile_definitions(WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0501 WINVER=0x0501)

add_library(tr_core STATIC ${TR_WIN32_SOURCES})
target_include_directories(tr_core PUBLIC ${TR_ROOT} ${TR_ROOT}/resources)
target_compile_options(tr_core PRIVATE ${TR_WARNINGS})
target_link_libraries(tr_core PUBLIC tr_portable gdi32 user32 advapi32 kernel32)

# One resource script gathers every script in resources/, so each dialog keeps its own file.
file(GLOB TR_RC_PARTS CONFIGURE_DEPENDS ${TR_ROOT}/resources/*.rc)
file(GLOB_RECURSE TR_RC_INPUTS CONFIGURE_DEPENDS ${TR_ROOT}/resources/*)
set(TR_RC_ALL "// Generated: every resource script of the launcher.\n")
foreach(part ${TR_RC_PARTS})
    string(APPEND TR_RC_ALL "#include \"${part}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/Tumbleridge.rc CONTENT "${TR_RC_ALL}")
add_library(tr_resources OBJECT ${CMAKE_BINARY_DIR}/generated/Tumbleridge.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/Tumbleridge.rc PROPERTIES OBJECT_DEPENDS "${TR_RC_INPUTS}")
target_include_directories(tr_resources PRIVATE ${TR_ROOT}/resources ${CMAKE_BINARY_DIR}/generated)
# The version, from the one place it is set (project() above), for the version resource. A header rather
# than -D: windres hands its defines through a shell, which strips the quotes of a text.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/TumbleridgeVersion.h CONTENT
"#define TR_VERSION_MAJOR ${PROJECT_VERSION_MAJOR}
#define TR_VERSION_MINOR ${PROJECT_VERSION_MINOR}
#define TR_VERSION_PATCH ${PROJECT_VERSION_PATCH}
#define TR_VERSION_TEXT \"${PROJECT_VERSION}\"
")

add_executable(Tumbleridge WIN32 ${TR_ROOT}/launcher/WinMain.cpp $<TARGET_OBJECTS:tr_resources>)
target_link_libraries(Tumbleridge PRIVATE tr_core)
target_compile_options(Tumbleridge PRIVATE ${TR_WARNINGS})
target_link_options(Tumbleridge PRIVATE -static -mwindows $<$<CONFIG:Release>:-s>)

add_custom_target(tr_standins)

file(GLOB TR_TESTSUPPORT_SOURCES CONFIGURE_DEPENDS ${TR_ROOT}/tests/support/*.cpp)
list(REMOVE_ITEM TR_TESTSUPPORT_SOURCES ${TR_ROOT}/tests/support/TestMain.cpp)
add_library(tr_testsupport STATIC ${TR_TESTSUPPORT_SOURCES})
target_include_directories(tr_testsupport PUBLIC ${TR_ROOT} ${TR_ROOT}/tests/support ${TR_ROOT}/resources)
target_link_libraries(tr_testsupport PUBLIC tr_core shlwapi)

# The demo game folder: the launcher plus every piece the fragments asked for.
function(tr_finish_demo)
    set(demo ${TR_OUT}/demo)
    get_property(copies GLOBAL PROPERTY TR_DEMO_COPIES)
    set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${demo}
                 COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tumbleridge> ${demo}/Tumbleridge.exe)
    foreach(entry ${copies})
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 source)
        list(GET parts 1 destination)
        get_filename_component(folder ${demo}/${destination} DIRECTORY)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                             COMMAND ${CMAKE_COMMAND} -E copy ${source} ${demo}/${destination})
    endforeach()
    add_custom_target(demo ALL ${commands} DEPENDS Tumbleridge tr_standins
                      COMMENT "Assembling the demo game folder" VERBATIM)
endfunction()

# The 32-bit tree's Windows tests run under CPU emulation (scripts/i686-wine.sh): every program start takes
# seconds there, so each of their time limits is four times the one the fragments set.
function(tr_stretch_emulated_timeouts)
    if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4 OR NOT CMAKE_CROSSCOMPILING_EMULATOR)
        return()
    endif()
    get_property(tests DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY TESTS)
    foreach(test ${tests})
        get_test_property(${test} LABELS labels)
        get_test_property(${test} TIMEOUT timeout)
        if("wine" IN_LIST labels AND timeout)
            math(EXPR timeout "${timeout} * 4")
            set_tests_properties(${test} PROPERTIES TIMEOUT ${timeout})
        endif()
    endforeach()
endfunction()

function(tr_fuzz_target name)
endfunction()
