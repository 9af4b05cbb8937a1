#pragma once

// A generated sites file for the benchmarks.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace bench {

// Sites as an engineer's list would hold them: villages and camps of a few hundred to
// eight thousand people, pipelines of 100 m to 3 km climbing 5 to 60 m, 4 to 12
// pumping hours, and some sites under the usage minimum or over the tap limit, or too
// large for the shipped pumps, so that every check has work.
inline void writeSites(const QString &path, int count)
{
    std::mt19937 random(20261209);
    const auto between = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    QByteArray text = "Site,L (m),Zw (m),Zt (m),P,T (h/day),U (L/capita/day),K\n";
    text.reserve(qsizetype(count) * 64);
    for (int i = 1; i <= count; ++i) {
        const int source = between(0, 800);
        const QByteArray name = i % 10 == 0 ? "\"Camp " + QByteArray::number(i) + ", zone " + QByteArray::number(i % 7)
                                                  + "\""
                                            : "Village " + QByteArray::number(i);
        text += name + ',' + QByteArray::number(between(10, 300) * 10) + ',' + QByteArray::number(source) + ','
              + QByteArray::number(source + between(5, 60)) + ',' + QByteArray::number(between(2, 80) * 100) + ','
              + QByteArray::number(between(4, 12)) + ',' + QByteArray::number(between(13, 30)) + ','
              + QByteArray::number(between(150, 260)) + '\n';
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
}

} // namespace bench
