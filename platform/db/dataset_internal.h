// Filter expressions and value comparison shared by the dataset sources.
#pragma once

#include "zdb.h"

namespace zdb {

struct FilterNode {
    enum Kind { And, Or, Not, Compare, IsNull, Const } kind = Const;
    std::shared_ptr<FilterNode> left, right;
    QString field;
    int column = -1;   // resolved against the dataset's columns before use
    int depth = 1;     // of the tree below and including this node
    QString op;        // "=", "<>", "<", ">", "<=", ">=", "like"
    bool like = false;  // op is "like", decided once rather than per row
    QVariant literal;  // QString, double or bool
    QString foldedLiteral;
    bool constValue = true;
    // A like pattern of the shapes the filter boxes send, answered without the general matcher.
    enum LikeShape { General, Prefix, Contains } likeShape = General;
    QString likeCore;
    // The pattern split at its "any run" wildcards (%, *): pieces of literal
    // characters and single-character wildcards (_), with escapes resolved.
    struct LikePattern {
        bool anchoredStart = true, anchoredEnd = true;
        std::vector<QString> pieces;  // '\0' in a piece stands for "any one character"
    } pattern;
};

FilterNode::LikePattern compileLike(const QString& foldedPattern);

// Parses a filter expression; throws DbError with the place of the fault.
std::shared_ptr<FilterNode> parseFilter(const QString& text);

// Total order used by sorting: nulls first, then by type.
int compareValues(const QVariant& a, const QVariant& b, FieldType type);

bool likeMatch(const QString& foldedText, const QString& foldedPattern);
bool likeMatch(const QString& foldedText, const FilterNode::LikePattern& pattern);
bool likeMatch(const QString& foldedText, const FilterNode& node);

}  // namespace zdb
