#pragma once
// The words the pupil's and the teacher's pages show, in the program's language, so a
// tablet's page speaks as the teacher's program does.

#include <QJsonObject>

QJsonObject PageTexts();
