#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// Copies every file of the folder from into the folder to, made when missing (the
// tests that run the program on the shipped database put a copy where it looks).
inline bool copyFiles(const QString &from, const QString &to)
{
    const QDir source(from);
    const QDir target(to);
    if (!QDir().mkpath(to))
        return false;
    for (const QString &name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), target.filePath(name)))
            return false;
    }
    return true;
}
