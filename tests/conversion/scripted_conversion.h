// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A conversion host for tests: answers each offer as scripted, records what the conversion said,
// and fails the test on an offer nobody expected. While it lives, current() returns it.
#include <QString>
#include <deque>
#include <vector>

#include <gtest/gtest.h>

#include "conversion/old_databases.h"

namespace testing_support {

class ScriptedConversion : public conversion::ConversionHost {
public:
    enum Kind { Question, Report, Failure };
    struct Said {
        Kind kind;
        QString text;
        QString details;
    };

    ScriptedConversion() : previous_(slot()) { slot() = this; }
    ~ScriptedConversion() override
    {
        slot() = previous_;
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were not asked for";
    }
    static ScriptedConversion& current() { return *slot(); }

    // The answer to the next offer.
    void answer(bool convert) { answers_.push_back(convert); }

    std::vector<Said> shown;

    bool askToConvert(const QString& question) override
    {
        shown.push_back({Question, question, {}});
        if (answers_.empty()) {
            ADD_FAILURE() << "an offer nobody expected: " << question.toStdString();
            return false;
        }
        const bool a = answers_.front();
        answers_.pop_front();
        return a;
    }
    void tellConverted(const QString& text, const QString& details) override { shown.push_back({Report, text, details}); }
    void tellFailure(const QString& text) override { shown.push_back({Failure, text, {}}); }

private:
    static ScriptedConversion*& slot()
    {
        static ScriptedConversion* s = nullptr;
        return s;
    }
    ScriptedConversion* previous_;
    std::deque<bool> answers_;
};

}  // namespace testing_support
