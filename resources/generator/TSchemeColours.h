#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <QColor>

// The colours one module's windows are painted in.
struct TSchemeColours {
    QColor face; // the textured panel
    QColor title; // the dark title strip, at its top
    QColor titleLow; // ... and at its bottom
    QColor titleText;
    QColor well; // inside a sunken well
    QColor button; // face of a bitmap button
    QColor accent; // the symbols on the buttons
    QColor text; // painted labels
    QColor note; // painted small notes

    static TSchemeColours of(TScheme scheme);
};

QColor lighter(QColor colour, int percent);
QColor darker(QColor colour, int percent);
QColor mix(QColor a, QColor b, double share);
