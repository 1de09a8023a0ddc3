#include "dataset_internal.h"

namespace zdb {

namespace {

struct Token {
    enum Kind { End, Ident, String, Number, Op, LParen, RParen } kind = End;
    QString text;
    int pos = 0;
};

class Lexer {
public:
    explicit Lexer(const QString& s) : s_(s) {}
    Token next() {
        while (i_ < s_.size() && s_[i_].isSpace()) ++i_;
        Token t;
        t.pos = int(i_);
        if (i_ >= s_.size()) return t;
        const QChar c = s_[i_];
        if (c == QLatin1Char('\'')) {
            ++i_;
            while (true) {
                if (i_ >= s_.size()) fail(t.pos, QStringLiteral("незакрытая кавычка"));
                if (s_[i_] == QLatin1Char('\'')) {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == QLatin1Char('\'')) { t.text += QLatin1Char('\''); i_ += 2; continue; }
                    ++i_;
                    break;
                }
                t.text += s_[i_++];
            }
            t.kind = Token::String;
        } else if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('.')) && i_ + 1 < s_.size() && s_[i_ + 1].isDigit())) {
            qsizetype start = i_++;
            while (i_ < s_.size() && (s_[i_].isDigit() || s_[i_] == QLatin1Char('.') || s_[i_] == QLatin1Char(','))) ++i_;
            t.kind = Token::Number;
            t.text = s_.mid(start, i_ - start);
            t.text.replace(QLatin1Char(','), QLatin1Char('.'));
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            qsizetype start = i_;
            while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == QLatin1Char('_') || s_[i_] == QLatin1Char('.'))) ++i_;
            t.kind = Token::Ident;
            t.text = s_.mid(start, i_ - start);
        } else if (c == QLatin1Char('[')) {
            qsizetype end = s_.indexOf(QLatin1Char(']'), i_);
            if (end < 0) fail(t.pos, QStringLiteral("незакрытая скобка ["));
            t.kind = Token::Ident;
            t.text = s_.mid(i_ + 1, end - i_ - 1);
            i_ = end + 1;
        } else if (c == QLatin1Char('(')) { t.kind = Token::LParen; ++i_; }
        else if (c == QLatin1Char(')')) { t.kind = Token::RParen; ++i_; }
        else {
            static const char* ops[] = {"<>", "!=", "<=", ">=", "=", "<", ">"};
            for (const char* op : ops) {
                QLatin1String o(op);
                if (s_.mid(i_, o.size()) == o) {
                    t.kind = Token::Op;
                    t.text = o == QLatin1String("!=") ? QStringLiteral("<>") : QString(o);
                    i_ += o.size();
                    return t;
                }
            }
            fail(t.pos, QStringLiteral("неожиданный символ «%1»").arg(c));
        }
        return t;
    }
    [[noreturn]] void fail(int pos, const QString& what) const {
        throw DbError(QStringLiteral("Ошибка в условии фильтра «%1» (позиция %2): %3").arg(s_).arg(pos + 1).arg(what));
    }

private:
    const QString& s_;
    qsizetype i_ = 0;
};

bool isWild(QChar c) { return c == QLatin1Char('%') || c == QLatin1Char('*') || c == QLatin1Char('_'); }
bool isAny(QChar c) { return c == QLatin1Char('%') || c == QLatin1Char('*'); }

void classifyLike(FilterNode& n) {
    const QString& p = n.foldedLiteral;
    const qsizetype len = p.size();
    if (len == 0 || !isAny(p[len - 1])) return;
    const bool leading = len >= 2 && isAny(p[0]);
    QString core = p.mid(leading ? 1 : 0, len - (leading ? 2 : 1));
    if (std::any_of(core.begin(), core.end(), isWild)) return;
    n.likeShape = leading ? FilterNode::Contains : FilterNode::Prefix;
    n.likeCore = core;
}

class Parser {
public:
    explicit Parser(const QString& s) : lex_(s) { advance(); }
    std::shared_ptr<FilterNode> parse() {
        auto n = orExpr();
        if (tok_.kind != Token::End) lex_.fail(tok_.pos, QStringLiteral("лишний текст"));
        return n;
    }

private:
    using Node = FilterNode;
    bool isWord(const char* w) const { return tok_.kind == Token::Ident && tok_.text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0; }
    void advance() { tok_ = lex_.next(); }

    std::shared_ptr<Node> binary(Node::Kind k, std::shared_ptr<Node> l, std::shared_ptr<Node> r) {
        auto n = std::make_shared<Node>();
        n->kind = k;
        n->left = std::move(l);
        n->right = std::move(r);
        return n;
    }
    std::shared_ptr<Node> orExpr() {
        auto l = andExpr();
        while (isWord("or")) { advance(); l = binary(Node::Or, l, andExpr()); }
        return l;
    }
    std::shared_ptr<Node> andExpr() {
        auto l = unary();
        while (isWord("and")) { advance(); l = binary(Node::And, l, unary()); }
        return l;
    }
    std::shared_ptr<Node> unary() {
        if (isWord("not")) { advance(); return binary(Node::Not, unary(), nullptr); }
        if (tok_.kind == Token::LParen) {
            advance();
            auto n = orExpr();
            if (tok_.kind != Token::RParen) lex_.fail(tok_.pos, QStringLiteral("ожидалась «)»"));
            advance();
            return n;
        }
        return comparison();
    }
    std::shared_ptr<Node> comparison() {
        if (tok_.kind != Token::Ident || isWord("and") || isWord("or") || isWord("like"))
            lex_.fail(tok_.pos, QStringLiteral("ожидалось имя поля"));
        auto n = std::make_shared<Node>();
        n->field = tok_.text;
        advance();
        if (isWord("is")) {
            advance();
            bool negate = false;
            if (isWord("not")) { negate = true; advance(); }
            if (!isWord("null")) lex_.fail(tok_.pos, QStringLiteral("ожидалось NULL"));
            advance();
            n->kind = Node::IsNull;
            return negate ? binary(Node::Not, n, nullptr) : n;
        }
        bool negateLike = false;
        if (isWord("not")) { negateLike = true; advance(); if (!isWord("like")) lex_.fail(tok_.pos, QStringLiteral("ожидалось LIKE")); }
        n->kind = Node::Compare;
        if (isWord("like")) n->op = QStringLiteral("like");
        else if (tok_.kind == Token::Op) n->op = tok_.text;
        else lex_.fail(tok_.pos, QStringLiteral("ожидалась операция сравнения"));
        advance();
        if (tok_.kind == Token::String) n->literal = tok_.text;
        else if (tok_.kind == Token::Number) {
            bool ok = false;
            double v = tok_.text.toDouble(&ok);
            if (!ok) lex_.fail(tok_.pos, QStringLiteral("неверное число"));
            n->literal = v;
        } else if (isWord("true") || isWord("false")) n->literal = isWord("true");
        else if (isWord("null")) n->literal = QVariant();
        else lex_.fail(tok_.pos, QStringLiteral("ожидалось значение"));
        if (n->op == QLatin1String("like") && n->literal.typeId() != QMetaType::QString)
            n->literal = n->literal.toString();
        n->foldedLiteral = n->literal.typeId() == QMetaType::Double ? QString() : n->literal.toString().toCaseFolded();
        n->like = n->op == QLatin1String("like");
        if (n->like) classifyLike(*n);
        advance();
        return negateLike ? binary(Node::Not, n, nullptr) : n;
    }

    Lexer lex_;
    Token tok_;
};

bool likeFrom(const QChar* t, const QChar* tEnd, const QChar* p, const QChar* pEnd) {
    while (p < pEnd) {
        if (*p == QLatin1Char('%') || *p == QLatin1Char('*')) {
            while (p < pEnd && (*p == QLatin1Char('%') || *p == QLatin1Char('*'))) ++p;
            if (p == pEnd) return true;
            for (const QChar* s = t; s <= tEnd; ++s)
                if (likeFrom(s, tEnd, p, pEnd)) return true;
            return false;
        }
        if (t == tEnd) return false;
        if (*p != QLatin1Char('_') && *p != *t) return false;
        ++p;
        ++t;
    }
    return t == tEnd;
}

}  // namespace

std::shared_ptr<FilterNode> parseFilter(const QString& text) {
    Parser p(text);
    return p.parse();
}

bool likeMatch(const QString& text, const QString& pattern) {
    return likeFrom(text.constData(), text.constData() + text.size(), pattern.constData(), pattern.constData() + pattern.size());
}

bool likeMatch(const QString& text, const FilterNode& n) {
    switch (n.likeShape) {
    case FilterNode::Prefix: return text.startsWith(n.likeCore);
    case FilterNode::Contains: return text.contains(n.likeCore);
    case FilterNode::General: break;
    }
    return likeMatch(text, n.foldedLiteral);
}

int compareValues(const QVariant& a, const QVariant& b, FieldType type) {
    const bool an = !a.isValid() || a.isNull(), bn = !b.isValid() || b.isNull();
    if (an || bn) return an == bn ? 0 : (an ? -1 : 1);
    switch (type) {
    case FieldType::Integer: {
        qlonglong x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Float: {
        double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Date: {
        QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::DateTime: {
        QDateTime x = a.toDateTime(), y = b.toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Boolean:
        return int(a.toBool()) - int(b.toBool());
    case FieldType::Text:
        break;
    }
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
}

}  // namespace zdb
