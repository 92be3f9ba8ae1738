// The main window: the modal dialog "GAME", its picture set and its link zones.
#ifndef TUMBLERIDGE_MAINDIALOG_H
#define TUMBLERIDGE_MAINDIALOG_H

#include <windows.h>

#include "mainwindow/LinkZones.h"

class ImageSet;
class ImagePalette;
class DibImage;

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Frees the main window's picture set (at shutdown).
void DestroyPictureSet();

// The dialog's state, kept between showings. pictureSet is made anew at every showing; the palette and the
// picture belong to it.
extern ImageSet* pictureSet;
extern ImagePalette* mainPalette;
extern DibImage* mainPicture;
extern LinkZone linkZones[2];
extern WPARAM appActive;  // the last WM_ACTIVATEAPP report: nonzero while the launcher is active

#endif
