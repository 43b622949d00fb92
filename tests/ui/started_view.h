#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "ui/view.h"
#include "ui/window_widget.h"

// The started program with its real widgets, the main window active.
struct StartedView : ::testing::Test {
    platform::MemoryServices services;
    app::Korvel k{services.services(), forms::NumberLocale::point()};
    ui::View view{k.rt};

    void SetUp() override {
        k.start();
        QWidget* main = view.window(k.form1);
        QApplication::setActiveWindow(main);
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
    template <class W = QLineEdit>
    W* widget(const char* name, forms::Window* w = nullptr) {
        return dynamic_cast<W*>(view.widget(*(w ? w : &k.form1)->find(name)));
    }
    QString text(const char* name) { return k.form1.get<forms::TextBox>(name).text(); }
};
