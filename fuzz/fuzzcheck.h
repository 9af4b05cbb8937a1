#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets and the corpus replay: every target defines
// LLVMFuzzerTestOneInput and states the properties that must hold on any input with
// fuzzCheck. A property that fails prints what was expected and aborts, which
// libFuzzer keeps as a crash and the replay test reports as a failure.

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// A text with every character outside printable ASCII written as \uXXXX, so that a
// failure report shows blanks, marks and surrogates.
QString visible(const QString &text);
QString visible(const QStringList &texts);

void fuzzCheck(bool condition, const char *property, const QString &detail = QString());

// A scratch folder for the targets that need files, made once per process and
// removed at its end.
QString scratchFolder();
