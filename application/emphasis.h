#pragma once

#include <QString>

// The preset or file name as the application's boxes highlight it.
QString emphasis(QString const& name);
