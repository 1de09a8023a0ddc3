#include "zui_style.h"

#include "zui_msg.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace zui {

namespace {

struct OwnStyle {
    QString name;
    QPalette (*palette)();
};

QPalette lightPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(236, 239, 243));
    p.setColor(QPalette::WindowText, QColor(30, 34, 40));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(245, 247, 250));
    p.setColor(QPalette::Text, QColor(30, 34, 40));
    p.setColor(QPalette::Button, QColor(225, 230, 236));
    p.setColor(QPalette::ButtonText, QColor(30, 34, 40));
    p.setColor(QPalette::Highlight, QColor(46, 110, 180));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 145, 150));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 145, 150));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 145, 150));
    return p;
}

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 48, 53));
    p.setColor(QPalette::WindowText, QColor(220, 222, 225));
    p.setColor(QPalette::Base, QColor(32, 34, 38));
    p.setColor(QPalette::AlternateBase, QColor(40, 43, 47));
    p.setColor(QPalette::Text, QColor(220, 222, 225));
    p.setColor(QPalette::Button, QColor(55, 59, 65));
    p.setColor(QPalette::ButtonText, QColor(220, 222, 225));
    p.setColor(QPalette::BrightText, QColor(255, 90, 90));
    p.setColor(QPalette::Highlight, QColor(70, 130, 200));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(60, 63, 68));
    p.setColor(QPalette::ToolTipText, QColor(220, 222, 225));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 123, 128));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 123, 128));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 123, 128));
    return p;
}

QPalette steelPalette() {
    QPalette p = lightPalette();
    p.setColor(QPalette::Window, QColor(205, 214, 224));
    p.setColor(QPalette::Button, QColor(190, 201, 214));
    p.setColor(QPalette::Highlight, QColor(30, 80, 130));
    return p;
}

const std::vector<OwnStyle>& ownStyles() {
    static const std::vector<OwnStyle> styles = {
        {QStringLiteral("Zorna Светлый"), &lightPalette},
        {QStringLiteral("Zorna Тёмный"), &darkPalette},
        {QStringLiteral("Zorna Стальной"), &steelPalette},
    };
    return styles;
}

QString& current() {
    static QString name;
    return name;
}

}  // namespace

QStringList styleNames() {
    QStringList names = QStyleFactory::keys();
    for (const auto& s : ownStyles()) names << s.name;
    return names;
}

bool applyStyle(const QString& name) {
    for (const auto& own : ownStyles()) {
        if (own.name.compare(name, Qt::CaseInsensitive) == 0) {
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            QApplication::setPalette(own.palette());
            current() = own.name;
            return true;
        }
    }
    for (const QString& key : QStyleFactory::keys()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            if (QStyle* style = QStyleFactory::create(key)) {
                QApplication::setStyle(style);
                QApplication::setPalette(style->standardPalette());
                current() = key;
                return true;
            }
        }
    }
    msg::error(QStringLiteral("Стиль \"%1\" не найден").arg(name));
    return false;
}

QString currentStyleName() {
    if (current().isEmpty() && QApplication::style()) {
        // Not applied by name yet: the platform's default look.
        const QString own = QApplication::style()->name();
        for (const QString& key : QStyleFactory::keys())
            if (key.compare(own, Qt::CaseInsensitive) == 0) return key;
        return own;
    }
    return current();
}

}  // namespace zui
