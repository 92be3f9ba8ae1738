# The screenshot tour of the README (scripts/screenshots.sh runs it; not part of the tests).
if(WIN32)
    add_executable(screenshot_tour docs/tour/ScreenshotTour.cpp)
    target_link_libraries(screenshot_tour PRIVATE tr_testsupport)
    target_link_options(screenshot_tour PRIVATE -static)
    set_target_properties(screenshot_tour PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/bench)
endif()
