# Start-up benchmark (not part of the tests): scripts/bench-startup.sh runs it.
if(WIN32)
    add_executable(bench_bare_dialog WIN32 bench/startup/BareDialog.cpp bench/startup/BareDialog.rc)
    target_link_options(bench_bare_dialog PRIVATE -static)
    add_executable(bench_startup bench/startup/StartupBench.cpp)
    target_link_options(bench_startup PRIVATE -static)
    set_target_properties(bench_bare_dialog bench_startup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/bench)
endif()
