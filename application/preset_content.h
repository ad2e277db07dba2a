#pragma once

#include <QString>

class QFileInfo;
class lightroom_importer;

// Why the reader obtained no setting at all from the preset file, in words
// the user understands; empty when it obtained one.
QString missing_settings_reason(QFileInfo const& file, lightroom_importer const& importer);

// Why a preset that was read gives a style that changes nothing.
QString unconverted_reason(QFileInfo const& file);
