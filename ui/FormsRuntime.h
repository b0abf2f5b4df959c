#pragma once
// The forms run-time of the windows, on Qt Widgets: the table of contents.
//
// Forms.h          Form: load, activation, Show, Hide, Unload; the accessors
// Controls.h       TextBox, Label, CommandButton, Frame, CheckBox,
//                  OptionButton, scroll bars, Image, ControlArray,
//                  SuppressEvents
// PictureBox.h     PictureBox (user scale, drawing, Print, MouseDown), RGB,
//                  SavePicture
// EventDispatch.h  the edge between window events and handlers: activation
//                  before a click, errors that escape a handler
// Runtime.h        DoEvents, installRuntime, message-box dialogs, wave files
// Layout.h         grids, frames and control arrays laid out in a window
// PassDrawing.h    a run's passes drawn at most about 30 times a second
// MessageBoxRecorder.h  the message-box responder of tests
// UserActions.h    clicks, typing, scrolls and mouse presses of a user, for tests
//
// Window code uses the run-time's classic names as the global functions
// DoEvents, RGB, SavePicture (beside core's MsgBox, Timer, Sleep, Str, CDbl)
// and its types and helpers from namespace ui.
#include "ui/Controls.h"
#include "ui/EventDispatch.h"
#include "ui/Forms.h"
#include "ui/Layout.h"
#include "ui/PassDrawing.h"
#include "ui/PictureBox.h"
#include "ui/Runtime.h"
