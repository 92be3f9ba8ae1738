// The display dialog "DISPLAY" and the run's display catalogue.
#ifndef TUMBLERIDGE_DISPLAYDIALOG_H
#define TUMBLERIDGE_DISPLAYDIALOG_H

#include <windows.h>

class DisplayCatalogue;
class RendererEntry;
class DeviceEntry;

// The display button's action: warns once, builds the catalogue once, shows "DISPLAY" over mainWindow.
int OpenDisplayDialog(HWND mainWindow);

// Frees theDisplayCatalogue (at shutdown).
void DestroyDisplayCatalogue();

INT_PTR CALLBACK DisplayDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Fill the three lists from the catalogue (entry texts from the catalogue, item data the objects) and
// select the chosen objects, falling back to the first renderer, the last device and the first mode.
// They change nothing in the catalogue. False for a missing list (or an empty level in FillLists).
BOOL FillLists(const DisplayCatalogue* catalogue, HWND renderers, HWND devices, HWND modes);
BOOL FillRendererList(const DisplayCatalogue* catalogue, HWND list);
BOOL FillDeviceList(const RendererEntry* renderer, HWND list);
BOOL FillModeList(const DeviceEntry* device, HWND list);

// Copies the lists' selections into the catalogue from the top down, refilling a lower list when the
// level above changed. True when a renderer, a device and a mode are chosen afterwards.
BOOL SyncFromLists(DisplayCatalogue* catalogue, HWND renderers, HWND devices, HWND modes);

#endif
