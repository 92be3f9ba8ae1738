# The stand-in sound library mss32.dll (and a copy that lacks one call), and the demo's provider set.
if(WIN32)
    # Each call with the bytes of its arguments: 32-bit Windows exports it as _name@bytes as well.
    set(mss32_calls AIL_startup:0 AIL_set_preference:8 AIL_waveOutOpen:16 AIL_enumerate_3D_providers:12
        AIL_open_3D_provider:4 AIL_3D_provider_attribute:12 AIL_close_3D_provider:4 AIL_waveOutClose:4
        AIL_shutdown:0)

    # NAMES: both, plain or decorated (the _name@bytes form alone, as some builds of the library have it).
    function(tr_mss32_def path library left_out names)
        set(text "LIBRARY ${library}\nEXPORTS\n")
        foreach(entry ${mss32_calls})
            string(REPLACE ":" ";" parts ${entry})
            list(GET parts 0 name)
            list(GET parts 1 bytes)
            if(name STREQUAL left_out)
                continue()
            endif()
            # ld names the 32-bit __stdcall symbol name@bytes; 64-bit code has one convention, no suffix.
            set(symbol ${name})
            if(CMAKE_SIZEOF_VOID_P EQUAL 4)
                set(symbol ${name}@${bytes})
            endif()
            if(names STREQUAL "decorated")
            elseif(symbol STREQUAL name)
                string(APPEND text "    ${name}\n")
            else()
                string(APPEND text "    ${name} = ${symbol}\n")
            endif()
            if(NOT names STREQUAL "plain")
                string(APPEND text "    _${name}@${bytes} = ${symbol}\n")
            endif()
        endforeach()
        file(WRITE ${path} "${text}")
    endfunction()

    set(mss32_generated ${CMAKE_BINARY_DIR}/generated/mss32)
    tr_mss32_def(${mss32_generated}/mss32.def mss32.dll "" both)
    tr_mss32_def(${mss32_generated}/mss32_partial.def mss32.dll AIL_3D_provider_attribute both)
    tr_mss32_def(${mss32_generated}/mss32_plain.def mss32.dll "" plain)
    tr_mss32_def(${mss32_generated}/mss32_decorated.def mss32.dll "" decorated)
endif()

tr_standin_dll(standin_mss32 mss32 .dll standins/mss32/StandinSoundLibrary.cpp ${CMAKE_BINARY_DIR}/generated/mss32/mss32.def)
# Copied over mss32.dll by the tests of a library that lacks one of the calls.
tr_standin_dll(standin_mss32_partial mss32_partial .dll standins/mss32/StandinSoundLibrary.cpp
               ${CMAKE_BINARY_DIR}/generated/mss32/mss32_partial.def)

# Copied over mss32.dll by the runs of the query tests against one kind of export names (TR_MSS32).
foreach(names plain decorated)
    tr_standin_dll(standin_mss32_${names} mss32_${names} .dll standins/mss32/StandinSoundLibrary.cpp
                   ${CMAKE_BINARY_DIR}/generated/mss32/mss32_${names}.def)
endforeach()

tr_demo_file($<TARGET_FILE:standin_mss32> mss32.dll)
tr_demo_file(${TR_ROOT}/standins/mss32/demo-providers.txt mss32-standin.txt)
