# The decoder benchmark (native only; not a test). bench/images/run.sh builds it without sanitizers and runs it.
if(NOT WIN32)
    add_executable(imagebench ${TR_ROOT}/bench/images/ImageBench.cpp ${TR_ROOT}/tests/mainwindow/PictureBuilders.cpp)
    target_link_libraries(imagebench PRIVATE tr_portable)
    target_include_directories(imagebench PRIVATE ${TR_ROOT} ${TR_ROOT}/tests/mainwindow)
    target_compile_options(imagebench PRIVATE ${TR_WARNINGS})
endif()
