#pragma once

// The windows are laid out in twips for a small 8-point dialog font; Qt's default font is wider
// and would cut captions off. Every window of the program uses this one font.
void useDialogFont();
