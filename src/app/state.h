#pragma once

#include <QString>

namespace app {

// State the main window keeps outside its fields, shared by every subsystem.
struct MainState {
    bool busy = false;  // start-up or clear-all running: most handlers return
    QString focusField = QStringLiteral("none");  // the field being edited
    QString playMinutes;                          // play time in minutes, number text
    QString currentLanguage;                   // "german", "english", "french" (or anything stored)
    bool debugMode = false;                    // debug lines go to the debug window and log file
    float aspectValue = 0;                     // aspect ratio as a plain number, 0 = free
    QString pixelRatio;                        // pixel aspect ratio, always with a point
    QString bppMode = QStringLiteral("none");  // "nokbps" while bits per pixel drives the bitrate
    bool kbitpsWasLocked = false;              // kbitps was read-only when it got the focus
    QString timeBeforeEdit;                    // text of the time field that got the focus
    QString activeTimeField;                   // "HH", "MM" or "SS": the last time field focused
    QString previousText;                      // frame rate or bitrate text when it got the focus
    bool logRequested = false;                 // the "log" keyword was given in debug mode
    int dragX = 0, dragY = 0;                  // main window drag start, twips
    bool dragging = false;
    int breathLevel = 0;  // the breathing animation's position
    QString film;         // the film read last (its file name); empty: none yet
};

// State of the preview window.
struct PreviewState {
    QString moveX = QStringLiteral("0"), moveY = QStringLiteral("0");
    bool moving = false;
    QString gripX = QStringLiteral("0"), gripY = QStringLiteral("0");
    bool resizing = false;
    QString gripRatio = QStringLiteral("0");
    int scoldCount = 0;
};

}  // namespace app
