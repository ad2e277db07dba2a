#pragma once

#include <QString>

// Makes the folder `path` with every missing parent, as the output folder of
// a fresh account may not exist yet. On failure `reason` says why.
bool make_output_folder(QString const& path, QString& reason);
