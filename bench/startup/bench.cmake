# Start-up benchmark (not part of the tests): scripts/bench-startup.sh runs it. Beside the launcher, the
# bare dialog and the launcher's window shown by a program that does nothing else, it builds their timed
# variants, which record when each start-up step ends; the shipped launcher carries none of that.
if(WIN32)
    add_executable(bench_bare_dialog WIN32 bench/startup/BareDialog.cpp bench/startup/BareDialog.rc)
    add_executable(bench_bare_dialog_steps WIN32 bench/startup/BareDialog.cpp bench/startup/BareDialog.rc
                   bench/startup/StepRecorder.cpp)
    # The launcher's resources (the "GAME" template, its picture, the manifest) in a program of its own.
    add_executable(bench_same_window WIN32 bench/startup/SameWindow.cpp $<TARGET_OBJECTS:tr_resources>)
    add_executable(bench_same_window_steps WIN32 bench/startup/SameWindow.cpp $<TARGET_OBJECTS:tr_resources>
                   bench/startup/StepRecorder.cpp)
    target_link_libraries(bench_same_window PRIVATE comctl32)
    target_link_libraries(bench_same_window_steps PRIVATE comctl32)
    # The launcher's own sources that carry step marks, compiled again with the marks on; the linker takes
    # them before the unmarked copies in tr_core.
    add_executable(bench_launcher_steps WIN32 ${TR_ROOT}/launcher/WinMain.cpp ${TR_ROOT}/launcher/LauncherMain.cpp
                   ${TR_ROOT}/mainwindow/MainDialog.cpp
                   bench/startup/StepRecorder.cpp $<TARGET_OBJECTS:tr_resources>)
    target_link_libraries(bench_launcher_steps PRIVATE tr_core)
    target_link_options(bench_launcher_steps PRIVATE -mwindows)
    target_compile_definitions(bench_bare_dialog_steps PRIVATE TR_STARTUP_STEPS)
    target_compile_definitions(bench_same_window_steps PRIVATE TR_STARTUP_STEPS)
    target_compile_definitions(bench_launcher_steps PRIVATE TR_STARTUP_STEPS)
    add_executable(bench_sleeper WIN32 bench/startup/Sleeper.cpp)
    add_executable(bench_startup bench/startup/StartupBench.cpp)
    target_link_libraries(bench_startup PRIVATE tr_testsupport)
    set(bench_startup_targets bench_bare_dialog bench_bare_dialog_steps bench_same_window bench_same_window_steps
        bench_launcher_steps bench_sleeper bench_startup)
    foreach(target ${bench_startup_targets})
        target_link_options(${target} PRIVATE -static)
        target_compile_options(${target} PRIVATE ${TR_WARNINGS})
        target_include_directories(${target} PRIVATE ${TR_ROOT})
    endforeach()
    set_target_properties(${bench_startup_targets} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/bench)
endif()
