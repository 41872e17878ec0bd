// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace drawlet {
namespace {

class ResultNotice final : public QWidget {
public:
    using QWidget::QWidget;
};

QAccessibleInterface* noticeInterface(const QString& /*className*/, QObject* object) {
    auto* notice = dynamic_cast<ResultNotice*>(object);
    return notice == nullptr ? nullptr : new QAccessibleWidget(notice, QAccessible::Notification);
}

} // namespace

void ResultAnnouncer::announce(const std::string& sentence) {
    if (notice_ == nullptr) {
        static const bool installed = [] {
            QAccessible::installFactory(noticeInterface);
            return true;
        }();
        (void)installed;
        notice_ = new ResultNotice(&window_);
        notice_->setObjectName("resultNotice");
        notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice_->setGeometry(0, 0, 0, 0);
        // Orca speaks a notification's role and then the labels inside it, and shows those
        // labels in braille and keeps them in its notification list; a name alone is spoken
        // but leaves braille and the list empty.
        noticeText_ = new QLabel(notice_);
        noticeText_->setGeometry(0, 0, 0, 0);
    }
    noticeText_->setText(QString::fromStdString(sentence));
    // Showing it again is what the screen reader hears.
    notice_->hide();
    notice_->show();
}

} // namespace drawlet
