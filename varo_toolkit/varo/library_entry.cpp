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
        auto* license = new QTextEdit(license_text(license_path));
        license->setReadOnly(true);
        layout->addWidget(license);
    }
    return layout;
}
