#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets and the corpus replay: every target defines
// LLVMFuzzerTestOneInput and states the properties that must hold on any input with
// FUZZ_CHECK. A property that fails prints what was expected and aborts, which
// libFuzzer keeps as a crash and the replay test reports as a failure.

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// A text with every character outside printable ASCII written as \uXXXX, so that a
// failure report shows blanks, marks and surrogates.
QString visible(const QString &text);
QString visible(const QStringList &texts);

// Prints the property that failed with its detail and aborts.
[[noreturn]] void fuzzFailed(const char *property, const QString &detail);

// Checks a property; the detail (any QString expression) is evaluated only when the
// property fails, so that a passing check costs no string building.
#define FUZZ_CHECK(condition, property, ...)                                              \
    do {                                                                                  \
        if (!(condition))                                                                 \
            fuzzFailed(property, QString(__VA_ARGS__));                                   \
    } while (false)

// A scratch folder for the targets that need files, made once per process and
// removed at its end.
QString scratchFolder();

// Files as the program's file layer sees them: on disk in the corpus replay, in
// memory in the fuzz build (which swaps the layer's disk functions for a store).
void writeScratchFile(const QString &path, QByteArrayView bytes);
QByteArray readScratchFile(const QString &path); // empty when the file is missing
void removeScratchFile(const QString &path);
