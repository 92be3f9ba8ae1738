# The stand-in game disc, assembled in <build>/standins/disc: the marker file, the set-up program, and the
# movie and demo catalogues with their files. The disc tests and the demo mount it as a CD-ROM drive
# (standins/disc/disc-drive.sh).
tr_standin_exe(standin_setup SETUP standins/disc/StandinDiscProgram.cpp)
tr_standin_exe(standin_demo SKYDEMO standins/disc/StandinDiscProgram.cpp)
if(WIN32)
    target_compile_definitions(standin_setup PRIVATE "STANDIN_PROGRAM=\"SETUP.EXE\""
                               "STANDIN_RECORD_VARIABLE=\"TUMBLERIDGE_SETUP_RECORD\"")
    target_compile_definitions(standin_demo PRIVATE "STANDIN_PROGRAM=\"Preview demo\""
                               "STANDIN_RECORD_VARIABLE=\"TUMBLERIDGE_DEMO_RECORD\"")
    target_link_options(standin_setup PRIVATE -mwindows)
    target_link_options(standin_demo PRIVATE -mwindows)

    set(disc_source ${TR_ROOT}/standins/disc)
    set(disc_generated ${CMAKE_BINARY_DIR}/generated/disc)
    set(disc ${TR_OUT}/standins/disc)
    file(WRITE ${disc_generated}/VANTOR.EXE "Tumbleridge disc marker (stand-in)\n")
    file(WRITE ${disc_generated}/Trailer.txt "Tumbleridge trailer (stand-in for a movie file)\n")
    file(WRITE ${disc_generated}/Harbour.txt "Harbour flyover (stand-in for a movie file)\n")

    # Rebuilt whole on every build, so nothing stale stays on the disc.
    add_custom_target(standin_disc
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${disc}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${disc}/GAME/ENGLISH ${disc}/Previews/Movies/Flyover
                ${disc}/Previews/Demos/Skyline ${disc}/Previews/Demos/Sampler
        COMMAND ${CMAKE_COMMAND} -E copy ${disc_generated}/VANTOR.EXE ${disc}/GAME/ENGLISH/VANTOR.EXE
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:standin_setup> ${disc}/SETUP.EXE
        COMMAND ${CMAKE_COMMAND} -E copy ${disc_source}/Movies.ini ${disc}/Previews/Movies/Movies.ini
        COMMAND ${CMAKE_COMMAND} -E copy ${disc_generated}/Trailer.txt ${disc}/Previews/Movies/Trailer.txt
        COMMAND ${CMAKE_COMMAND} -E copy ${disc_generated}/Harbour.txt ${disc}/Previews/Movies/Flyover/Harbour.txt
        COMMAND ${CMAKE_COMMAND} -E copy ${disc_source}/Demos.ini ${disc}/Previews/Demos/Demos.ini
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:standin_demo> ${disc}/Previews/Demos/Skyline/SKYDEMO.EXE
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:standin_demo> ${disc}/Previews/Demos/Sampler/SAMPLER.EXE
        DEPENDS ${disc_source}/Movies.ini ${disc_source}/Demos.ini
        COMMENT "Assembling the stand-in game disc"
        VERBATIM)
    add_dependencies(standin_disc standin_setup standin_demo)
    add_dependencies(tr_standins standin_disc)
endif()
