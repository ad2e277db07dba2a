#pragma once

class QCoreApplication;
class QString;

// Installs Qt's own, the application's and the toolkit's catalogues for the
// interface language, owned by `app`. The last installed is searched first,
// so toolkit texts win over application texts and both over Qt's.
void install_translators(QCoreApplication& app, QString const& lang);
