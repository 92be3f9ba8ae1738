# The main window: portable readers natively, the Win32 side and the dialog under Wine, the picture tool,
# the independent-encoder checks, fuzz targets and the decoder benchmark.
tr_native_test(mainwindow_decode_tests tests/mainwindow/ImageDecodeTests.cpp tests/mainwindow/PictureBuilders.cpp)
