# tumblepic, the picture tool: built natively (<build>/native/tumblepic) and for Windows
# (<build>/win64/tumblepic.exe) from the launcher's own decoders.
add_executable(tumblepic ${TR_ROOT}/tools/tumblepic/TumblePic.cpp)
target_link_libraries(tumblepic PRIVATE tr_portable)
target_compile_options(tumblepic PRIVATE ${TR_WARNINGS})
set_target_properties(tumblepic PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TR_OUT})
if(WIN32)
    target_link_options(tumblepic PRIVATE -static)
endif()
