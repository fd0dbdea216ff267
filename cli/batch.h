#pragma once

#include <QByteArray>
#include <QString>

namespace roccalc::cli {

// Runs each CSV row (columns among pfa,pd,d,band,rc; an empty cell is a box
// not given) as a fresh session and writes the input columns followed by the
// results. Returns the exit status; a bad header or row stops the batch.
int runBatch(const QByteArray& csv, const QString& name, const QString& separator);

}  // namespace roccalc::cli
