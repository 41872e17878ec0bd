// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon as Qt draws it for the window and the task bar.
//
// Qt reads SVG only through its SVG plugins, which nothing links: when they are missing the
// icon quietly comes out empty. These tests draw the shipped icon at the sizes desktops ask
// for and check that a real picture comes out.

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
#include <utility>

namespace {

struct Coverage {
    int opaque = 0;
    int total = 0;
    bool cornersClear = true;
};

Coverage measure(const QImage& image) {
    Coverage coverage;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++coverage.total;
            if (qAlpha(image.pixel(x, y)) > 128) {
                ++coverage.opaque;
            }
        }
    }
    const int last = image.width() - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
        if (qAlpha(image.pixel(x, y)) != 0) {
            coverage.cornersClear = false;
        }
    }
    return coverage;
}

TEST(ApplicationIcon, DrawsATicketShapeAtEveryDesktopSize) {
    const QIcon icon(QStringLiteral(DRAWLET_ICON_FILE));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(testing::Message() << size << " px");
        const QImage image =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);

        ASSERT_FALSE(image.isNull()) << "no picture: are Qt's SVG plugins installed?";
        ASSERT_EQ(image.size(), QSize(size, size));
        const Coverage coverage = measure(image);
        // A ticket on a clear background: neither blank nor a filled square.
        EXPECT_GT(coverage.opaque, coverage.total * 4 / 10);
        EXPECT_LT(coverage.opaque, coverage.total * 9 / 10);
        EXPECT_TRUE(coverage.cornersClear);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    // Drawing an icon needs no screen; the offscreen platform keeps this runnable anywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
