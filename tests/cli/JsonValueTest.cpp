// SPDX-License-Identifier: MIT
#include "JsonValue.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QJsonValue reparse(const JsonValue& value)
{
    // Wrapped in an array so that any value is a complete document.
    const std::string text = JsonValue(JsonValue::Array { value }).serialize();
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return document.array().at(0);
}

TEST(JsonValue, StringsAndDoublesReadBackExactly)
{
    for (const std::string text : { "plain", "\"quoted\" \\ back", "line\nbreak\ttab\rret\b\f", "ctl \x01\x1f end",
                                    "Größe „ä“ €", "   blanks kept  ", "" }) {
        EXPECT_EQ(reparse(text).toString().toStdString(), text);
    }
    EXPECT_EQ(jsonQuoted("a\x01"), "\"a\\u0001\"");
    for (const double value : { 0.1, 21.6, 1e-8, 170.0 / (7 - 1e-8), -1e20, 2.5e-300, std::ldexp(0.7, -30) }) {
        EXPECT_EQ(reparse(value).toDouble(), value);
    }
}

TEST(JsonValue, ScalarsAreExactAndNonFiniteDoublesNull)
{
    EXPECT_EQ(JsonValue(255).serialize(), "255");
    EXPECT_EQ(JsonValue(-2147483647LL - 1).serialize(), "-2147483648");
    EXPECT_EQ(JsonValue(JsonValue::Array {}).serialize(), "[]");
    EXPECT_EQ(JsonValue(JsonValue::Object {}).serialize(), "{}");
    EXPECT_TRUE(reparse(std::numeric_limits<double>::quiet_NaN()).isNull());
    EXPECT_TRUE(reparse(std::numeric_limits<double>::infinity()).isNull());
}

} // namespace
