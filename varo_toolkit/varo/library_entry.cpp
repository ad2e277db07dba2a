#include "varo/library_entry.h"

#include <QFile>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QString license_text(QString const& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Could not open license text resource at ") + path;
    QByteArray content = file.readAll();
    int const end = content.indexOf('\0');
    if (end >= 0)
        content.truncate(end);
    return QString::fromUtf8(content);
}

QLabel* styled_label(QString const& text, QString const& style)
{
    auto* label = new QLabel(text);
    label->setStyleSheet(style);
    return label;
}

}

QVBoxLayout* library_entry::create_layout() const
{
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(styled_label(name, QStringLiteral("font-size:14px; font-weight:bold;")));
    layout->addWidget(styled_label(text, QStringLiteral("font-size:12px;")));
    if (!license_path.isEmpty()) {
        // Licences are plain text; as HTML their line breaks would be lost.
        auto* license = new QTextEdit;
        license->setPlainText(license_text(license_path));
        license->setReadOnly(true);
        // Dark like the dialog, so the light text of its parents stays readable,
        // and low enough that several licences fit on a small screen.
        license->setStyleSheet(QStringLiteral("QTextEdit{background:rgb(38,38,38); color:rgb(198,213,210); "
                                              "border:1px solid rgb(99,99,99); "
                                              "selection-background-color:rgb(198,213,210); selection-color:#000;}"));
        license->setFixedHeight(120);
        layout->addWidget(license);
    }
    return layout;
}
