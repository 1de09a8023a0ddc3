#include "dataset_internal.h"

#include <cstring>

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

bool isAny(QChar c) { return c == QLatin1Char('%') || c == QLatin1Char('*'); }

void classifyLike(FilterNode& n) {
    n.pattern = compileLike(n.foldedLiteral);
    const auto& p = n.pattern;
    if (p.anchoredEnd || p.pieces.size() != 1 || p.pieces[0].contains(QChar(0))) return;
    n.likeShape = p.anchoredStart ? FilterNode::Prefix : FilterNode::Contains;
    n.likeCore = p.pieces[0];
}

// How deep a filter may nest before it is refused rather than risk the stack.
constexpr int kMaxFilterDepth = 200;

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
        n->depth = 1 + std::max(l ? l->depth : 0, r ? r->depth : 0);
        if (n->depth > kMaxFilterDepth) lex_.fail(tok_.pos, QStringLiteral("слишком глубокая вложенность условий"));
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
        // Each level of brackets or NOT recurses: refuse before the stack runs out.
        if (++nesting_ > kMaxFilterDepth) lex_.fail(tok_.pos, QStringLiteral("слишком глубокая вложенность условий"));
        std::shared_ptr<Node> n;
        if (isWord("not")) {
            advance();
            n = binary(Node::Not, unary(), nullptr);
        } else if (tok_.kind == Token::LParen) {
            advance();
            n = orExpr();
            if (tok_.kind != Token::RParen) lex_.fail(tok_.pos, QStringLiteral("ожидалась «)»"));
            advance();
        } else {
            n = comparison();
        }
        --nesting_;
        return n;
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
    int nesting_ = 0;
};

// Finds piece p in t at or after 'from' ('\0' in p matches any one character);
// -1 when it is not there.
qsizetype findPiece(const QString& t, const QString& p, qsizetype from) {
    const qsizetype n = t.size(), m = p.size();
    for (qsizetype i = from; i + m <= n; ++i) {
        qsizetype j = 0;
        while (j < m && (p[j] == QChar(0) || p[j] == t[i + j])) ++j;
        if (j == m) return i;
    }
    return -1;
}

bool pieceAt(const QString& t, const QString& p, qsizetype at) {
    if (at < 0 || at + p.size() > t.size()) return false;
    for (qsizetype j = 0; j < p.size(); ++j)
        if (p[j] != QChar(0) && p[j] != t[at + j]) return false;
    return true;
}

}  // namespace

std::shared_ptr<FilterNode> parseFilter(const QString& text) {
    Parser p(text);
    return p.parse();
}

FilterNode::LikePattern compileLike(const QString& pattern) {
    FilterNode::LikePattern out;
    QString piece;
    bool pendingAny = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (isAny(c)) {
            if (out.pieces.empty() && piece.isEmpty() && !pendingAny) out.anchoredStart = false;
            if (!piece.isEmpty() || !out.pieces.empty()) {
                if (!piece.isEmpty()) out.pieces.push_back(piece);
                piece.clear();
            }
            pendingAny = true;
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < pattern.size()) c = pattern[++i];
        else if (c == QLatin1Char('_')) c = QChar(0);
        pendingAny = false;
        piece += c;
    }
    out.anchoredEnd = !pendingAny;
    if (!piece.isEmpty() || out.pieces.empty()) out.pieces.push_back(piece);
    return out;
}

// Greedy, leftmost placement of the pieces between the "any run" wildcards is
// exact for such patterns and never backtracks: time linear in the text for a
// given pattern.
bool likeMatch(const QString& text, const FilterNode::LikePattern& p) {
    const auto& pieces = p.pieces;
    const size_t k = pieces.size();
    if (p.anchoredStart && p.anchoredEnd && k == 1)
        return text.size() == pieces[0].size() && pieceAt(text, pieces[0], 0);
    qsizetype pos = 0;
    size_t first = 0, last = k;
    if (p.anchoredStart) {
        if (!pieceAt(text, pieces[0], 0)) return false;
        pos = pieces[0].size();
        first = 1;
    }
    qsizetype end = text.size();
    if (p.anchoredEnd && last > first) {
        const QString& tail = pieces[last - 1];
        if (end - tail.size() < pos || !pieceAt(text, tail, end - tail.size())) return false;
        end -= tail.size();
        --last;
    }
    const QString window = text.left(end);
    for (size_t i = first; i < last; ++i) {
        const qsizetype at = findPiece(window, pieces[i], pos);
        if (at < 0) return false;
        pos = at + pieces[i].size();
    }
    return true;
}

bool likeMatch(const QString& text, const QString& pattern) { return likeMatch(text, compileLike(pattern)); }

bool likeMatch(const QString& text, const FilterNode& n) {
    switch (n.likeShape) {
    case FilterNode::Prefix: return text.startsWith(n.likeCore);
    case FilterNode::Contains: return text.contains(n.likeCore);
    case FilterNode::General: break;
    }
    return likeMatch(text, n.pattern);
}

QString likeLiteral(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('*') || c == QLatin1Char('\\')) out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

// Two numeric columns' digits compared exactly, however many there are.
int compareDecimals(const QByteArray& a, const QByteArray& b) {
    const bool na = a.startsWith('-'), nb = b.startsWith('-');
    auto split = [](const QByteArray& d, bool neg) {
        QByteArray s = neg ? d.mid(1) : d;
        const qsizetype point = s.indexOf('.');
        QByteArray whole = point < 0 ? s : s.left(point), frac = point < 0 ? QByteArray() : s.mid(point + 1);
        while (whole.size() > 1 && whole.startsWith('0')) whole.remove(0, 1);
        while (frac.endsWith('0')) frac.chop(1);
        return std::pair{whole, frac};
    };
    auto [wa, fa] = split(a, na);
    auto [wb, fb] = split(b, nb);
    const bool zeroA = (wa == "0" || wa.isEmpty()) && fa.isEmpty(), zeroB = (wb == "0" || wb.isEmpty()) && fb.isEmpty();
    const int sa = zeroA ? 0 : (na ? -1 : 1), sb = zeroB ? 0 : (nb ? -1 : 1);
    if (sa != sb) return sa < sb ? -1 : 1;
    int mag = 0;
    if (wa.size() != wb.size()) mag = wa.size() < wb.size() ? -1 : 1;
    else if (int c = std::memcmp(wa.constData(), wb.constData(), size_t(wa.size())); c != 0) mag = c < 0 ? -1 : 1;
    else {
        const qsizetype n = std::max(fa.size(), fb.size());
        fa = fa.leftJustified(n, '0');
        fb = fb.leftJustified(n, '0');
        if (int c = std::memcmp(fa.constData(), fb.constData(), size_t(n)); c != 0) mag = c < 0 ? -1 : 1;
    }
    return sa < 0 ? -mag : mag;
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
        if (a.typeId() == QMetaType::QByteArray && b.typeId() == QMetaType::QByteArray)
            return compareDecimals(a.toByteArray(), b.toByteArray());
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
