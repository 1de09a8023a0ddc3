#include "dataset_internal.h"

#include <algorithm>
#include <numeric>

namespace zdb {

// ---- Params ---------------------------------------------------------------

Param& Params::byName(const QString& name) {
    for (auto& p : params_)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) return p;
    throw DbError(QStringLiteral("Параметр «%1» не найден").arg(name));
}

const Param* Params::find(const QString& name) const {
    for (const auto& p : params_)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) return &p;
    return nullptr;
}

void Params::setNames(const QStringList& names) {
    std::vector<Param> next;
    for (const QString& n : names) {
        const Param* old = find(n);
        next.push_back(old ? Param{n, old->value} : Param{n, {}});
    }
    params_ = std::move(next);
}

// ---- Field ----------------------------------------------------------------

QVariant Field::value() const {
    if (!ds_->active_ || ds_->pos_ < 0) return {};
    return ds_->value(ds_->pos_, col_);
}
bool Field::isNull() const {
    QVariant v = value();
    return !v.isValid() || v.isNull();
}
QString Field::asString() const { return displayText(value()); }
qlonglong Field::asInteger() const {
    QVariant v = value();
    if (v.typeId() == QMetaType::Double) return qlonglong(v.toDouble());
    if (v.typeId() == QMetaType::QByteArray) {
        const QByteArray d = v.toByteArray();
        const qsizetype point = d.indexOf('.');
        return (point < 0 ? d : d.left(point)).toLongLong();
    }
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        qlonglong n = v.toString().trimmed().toLongLong(&ok);
        if (ok) return n;
        double d = v.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        return ok ? qlonglong(d) : 0;
    }
    return v.toLongLong();
}
double Field::asFloat() const {
    QVariant v = value();
    if (v.typeId() == QMetaType::QString) return v.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    return v.toDouble();
}
bool Field::asBoolean() const {
    QVariant v = value();
    if (v.typeId() == QMetaType::QString) {
        QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("1") || s == QLatin1String("t") || s == QLatin1String("true");
    }
    return v.toBool();
}
QDate Field::asDate() const {
    QVariant v = value();
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
}
QDateTime Field::asDateTime() const {
    QVariant v = value();
    return v.typeId() == QMetaType::QDate ? v.toDate().startOfDay() : v.toDateTime();
}
QString Field::name() const { return ds_->columns_.at(size_t(col_)).name; }
FieldType Field::type() const { return ds_->columns_.at(size_t(col_)).type; }

// ---- Dataset --------------------------------------------------------------

Dataset::Dataset(Connection* connection, QObject* parent) : QObject(parent), connection_(connection) {}
Dataset::~Dataset() = default;

void Dataset::resetData() {
    columns_.clear();
    rows_.clear();
    view_.clear();
    foldCache_.clear();
    rankCache_.clear();
    pos_ = -1;
    eof_ = bof_ = true;
}

void Dataset::open() {
    if (active_) return;
    resetData();
    try {
        fetch();
        active_ = true;
        rebuildView();
    } catch (...) {
        resetData();
        active_ = false;
        throw;
    }
    pos_ = view_.empty() ? -1 : 0;
    eof_ = bof_ = view_.empty();
    emit changed(Change::Opened);
}

void Dataset::close() {
    if (!active_) return;
    active_ = false;
    resetData();
    emit changed(Change::Closed);
}

int Dataset::recordCount() const { return active_ ? int(view_.size()) : 0; }
int Dataset::recNo() const { return pos_ + 1; }
int Dataset::storeRow(int viewRow) const { return view_.at(size_t(viewRow)); }

void Dataset::moveTo(int row, bool notify) {
    const int n = int(view_.size());
    eof_ = bof_ = false;
    if (n == 0) {
        pos_ = -1;
        eof_ = bof_ = true;
    } else {
        pos_ = std::clamp(row, 0, n - 1);
    }
    if (notify) emit changed(Change::RowMoved);
}

void Dataset::setRecNo(int n) { if (active_) moveTo(n - 1); }
void Dataset::setCurrentRow(int row) { if (active_) moveTo(row); }
void Dataset::first() {
    if (!active_) return;
    moveTo(0);
    bof_ = true;
    eof_ = view_.empty();
}
void Dataset::last() {
    if (!active_) return;
    moveTo(int(view_.size()) - 1);
    eof_ = view_.empty();
}
void Dataset::next() {
    if (!active_) return;
    if (pos_ + 1 >= int(view_.size())) { eof_ = true; return; }
    moveTo(pos_ + 1);
}
void Dataset::prior() {
    if (!active_) return;
    if (pos_ <= 0) { bof_ = true; return; }
    moveTo(pos_ - 1);
}

int Dataset::fieldIndex(const QString& name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

Field Dataset::fieldByName(const QString& name) const {
    int i = fieldIndex(name);
    if (i < 0) throw DbError(QStringLiteral("Поле «%1» не найдено").arg(name));
    return Field(this, i);
}

QVariant Dataset::value(int viewRow, int column) const {
    if (!active_ || viewRow < 0 || viewRow >= int(view_.size()) || column < 0 || column >= int(columns_.size())) return {};
    return rows_[size_t(view_[size_t(viewRow)])][size_t(column)];
}

QString Dataset::text(int viewRow, int column) const { return displayText(value(viewRow, column)); }

void Dataset::setRowValue(int store, int column, const QVariant& v) {
    rows_.at(size_t(store)).at(size_t(column)) = v;
    if (size_t(column) < rankCache_.size()) rankCache_[size_t(column)].clear();
    if (size_t(column) < foldCache_.size() && !foldCache_[size_t(column)].empty())
        foldCache_[size_t(column)][size_t(store)] = displayText(v).toCaseFolded();
}

const QString& Dataset::folded(int store, int column) const {
    if (foldCache_.size() < columns_.size()) foldCache_.resize(columns_.size());
    auto& cache = foldCache_[size_t(column)];
    if (cache.empty() && !rows_.empty()) {
        cache.resize(rows_.size());
        for (size_t r = 0; r < rows_.size(); ++r) cache[r] = displayText(rows_[r][size_t(column)]).toCaseFolded();
    }
    return cache[size_t(store)];
}

// Each row's place in the column's order, equal values sharing one: a sort by
// several keys then compares integers, and toggling a sort direction is cheap.
const std::vector<int>& Dataset::ranks(int column) const {
    if (rankCache_.size() < columns_.size()) rankCache_.resize(columns_.size());
    auto& r = rankCache_[size_t(column)];
    if (!r.empty() || rows_.empty()) return r;
    const size_t n = rows_.size();
    const FieldType type = columns_[size_t(column)].type;
    // Keys copied into contiguous arrays first: comparing in place would chase
    // every row's own allocation.
    std::vector<char> nulls(n);
    for (size_t i = 0; i < n; ++i) nulls[i] = rows_[i][size_t(column)].isNull();
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::function<int(int, int)> cmp;
    std::vector<QStringView> texts;
    std::vector<double> numbers;
    if (type == FieldType::Text) {
        folded(0, column);
        texts.reserve(n);
        for (const QString& f : foldCache_[size_t(column)]) texts.emplace_back(f);
        cmp = [&](int a, int b) { return texts[size_t(a)].compare(texts[size_t(b)]); };
    } else if (type == FieldType::DateTime) {
        numbers.resize(n);
        for (size_t i = 0; i < n; ++i) numbers[i] = double(rows_[i][size_t(column)].toDateTime().toMSecsSinceEpoch());
    } else if (type == FieldType::Date) {
        numbers.resize(n);
        for (size_t i = 0; i < n; ++i) numbers[i] = double(rows_[i][size_t(column)].toDate().toJulianDay());
    } else {
        numbers.resize(n);
        for (size_t i = 0; i < n; ++i) numbers[i] = rows_[i][size_t(column)].toDouble();
    }
    if (!cmp) cmp = [&](int a, int b) { return numbers[size_t(a)] < numbers[size_t(b)] ? -1 : (numbers[size_t(a)] > numbers[size_t(b)] ? 1 : 0); };
    auto full = [&](int a, int b) {
        if (nulls[size_t(a)] || nulls[size_t(b)]) return nulls[size_t(a)] == nulls[size_t(b)] ? 0 : (nulls[size_t(a)] ? -1 : 1);
        return cmp(a, b);
    };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return full(a, b) < 0; });
    r.assign(n, 0);
    int rank = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && full(order[i - 1], order[i]) != 0) ++rank;
        r[size_t(order[i])] = rank;
    }
    return r;
}

namespace {

struct SortKey {
    int column;
    bool desc;
};

std::vector<SortKey> parseSort(const QString& sort, const Dataset& ds) {
    std::vector<SortKey> keys;
    const QStringList parts = sort.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& raw : parts) {
        QStringList words = raw.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        bool desc = false;
        if (words.size() > 1) {
            QString dir = words.last().toUpper();
            if (dir == QLatin1String("DESC")) desc = true;
            else if (dir != QLatin1String("ASC"))
                throw DbError(QStringLiteral("Неверный порядок сортировки «%1»").arg(sort));
            words.removeLast();
        }
        QString name = words.join(QLatin1Char(' '));
        if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']'))) name = name.mid(1, name.size() - 2);
        int c = ds.fieldIndex(name);
        if (c < 0) throw DbError(QStringLiteral("Поле «%1» не найдено").arg(name));
        keys.push_back({c, desc});
    }
    return keys;
}

}  // namespace

using FoldColumns = std::vector<std::vector<QString>>;
bool evalNode(const FilterNode& n, int store, const std::vector<Column>& cols, const std::vector<std::vector<QVariant>>& rows,
              const FoldColumns& fold);

void Dataset::rebuildView() {
    const int keep = (pos_ >= 0 && pos_ < int(view_.size())) ? view_[size_t(pos_)] : -1;
    view_.clear();
    view_.reserve(rows_.size());
    if (filtered_ && filterTree_) {
        // Resolve names now: a filter may be set before the dataset is opened.
        std::function<void(FilterNode&)> resolve = [&](FilterNode& n) {
            if (n.left) resolve(*n.left);
            if (n.right) resolve(*n.right);
            if (n.kind == FilterNode::Compare || n.kind == FilterNode::IsNull) {
                n.column = fieldIndex(n.field);
                if (n.column < 0) throw DbError(QStringLiteral("Поле «%1» не найдено").arg(n.field));
            }
        };
        resolve(*filterTree_);
        std::function<void(const FilterNode&)> warm = [&](const FilterNode& n) {
            if (n.left) warm(*n.left);
            if (n.right) warm(*n.right);
            if (n.kind == FilterNode::Compare && !rows_.empty()) folded(0, n.column);
        };
        warm(*filterTree_);
        for (int r = 0; r < int(rows_.size()); ++r)
            if (evalNode(*filterTree_, r, columns_, rows_, foldCache_)) view_.push_back(r);
    } else {
        view_.resize(rows_.size());
        std::iota(view_.begin(), view_.end(), 0);
    }
    if (!sort_.trimmed().isEmpty()) {
        const auto keys = parseSort(sort_, *this);
        std::vector<const std::vector<int>*> keyRanks;
        for (const auto& k : keys) keyRanks.push_back(&ranks(k.column));
        std::stable_sort(view_.begin(), view_.end(), [&](int a, int b) {
            for (size_t i = 0; i < keys.size(); ++i) {
                const int ra = (*keyRanks[i])[size_t(a)], rb = (*keyRanks[i])[size_t(b)];
                if (ra != rb) return keys[i].desc ? ra > rb : ra < rb;
            }
            return false;
        });
    }
    int row = -1;
    if (keep >= 0) {
        auto it = std::find(view_.begin(), view_.end(), keep);
        if (it != view_.end()) row = int(it - view_.begin());
    }
    pos_ = view_.empty() ? -1 : std::max(row, 0);
    eof_ = bof_ = view_.empty();
}

void Dataset::setSort(const QString& sort) {
    const QString old = sort_;
    sort_ = sort;
    if (!active_) return;
    try {
        rebuildView();
    } catch (...) {
        sort_ = old;
        rebuildView();
        throw;
    }
    emit changed(Change::Resorted);
}

void Dataset::setFilter(const QString& filter) {
    auto tree = filter.trimmed().isEmpty() ? nullptr : parseFilter(filter);
    auto oldTree = filterTree_;
    const QString old = filter_;
    filter_ = filter;
    filterTree_ = tree;
    if (!active_ || !filtered_) return;
    try {
        rebuildView();
    } catch (...) {
        filter_ = old;
        filterTree_ = oldTree;
        rebuildView();
        throw;
    }
    emit changed(Change::Refiltered);
}

void Dataset::setFiltered(bool on) {
    if (filtered_ == on) return;
    filtered_ = on;
    if (!active_) return;
    try {
        rebuildView();
    } catch (...) {
        filtered_ = !on;
        rebuildView();
        throw;
    }
    emit changed(Change::Refiltered);
}

bool Dataset::locate(const QString& fields, const QVariantList& values, bool caseInsensitive, bool partialKey) {
    if (!active_) return false;
    const QStringList names = fields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.size() != values.size()) throw DbError(QStringLiteral("Число полей и значений поиска не совпадает"));
    std::vector<int> cols;
    for (const QString& n : names) {
        fieldByName(n.trimmed());  // an unknown name is an error, not a miss
        cols.push_back(fieldIndex(n.trimmed()));
    }
    for (int v = 0; v < int(view_.size()); ++v) {
        bool all = true;
        for (size_t i = 0; i < cols.size() && all; ++i) {
            const Column& col = columns_[size_t(cols[i])];
            const QVariant& cell = rows_[size_t(view_[size_t(v)])][size_t(cols[i])];
            const QVariant& want = values[qsizetype(i)];
            if (want.isNull() || !want.isValid()) { all = cell.isNull() || !cell.isValid(); continue; }
            if (cell.isNull() || !cell.isValid()) { all = false; continue; }
            if (col.type == FieldType::Text) {
                const QString a = cell.toString(), b = want.toString();
                const auto cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
                all = partialKey ? a.startsWith(b, cs) : a.compare(b, cs) == 0;
            } else {
                all = compareValues(cell, want, col.type) == 0;
            }
        }
        if (all) {
            moveTo(v);
            return true;
        }
    }
    return false;
}

bool evalNode(const FilterNode& n, int store, const std::vector<Column>& cols, const std::vector<std::vector<QVariant>>& rows,
              const FoldColumns& fold) {
    using K = FilterNode::Kind;
    switch (n.kind) {
    case K::And: return evalNode(*n.left, store, cols, rows, fold) && evalNode(*n.right, store, cols, rows, fold);
    case K::Or: return evalNode(*n.left, store, cols, rows, fold) || evalNode(*n.right, store, cols, rows, fold);
    case K::Not: return !evalNode(*n.left, store, cols, rows, fold);
    case K::Const: return n.constValue;
    case K::IsNull: {
        const QVariant& v = rows[size_t(store)][size_t(n.column)];
        return !v.isValid() || v.isNull();
    }
    case K::Compare: break;
    }
    const QVariant& cell = rows[size_t(store)][size_t(n.column)];
    if (!cell.isValid() || cell.isNull() || !n.literal.isValid()) return false;
    const QString& text = fold[size_t(n.column)][size_t(store)];
    if (n.like) return likeMatch(text, n);
    const FieldType type = cols[size_t(n.column)].type;
    int c;
    if (n.literal.typeId() == QMetaType::Double && (type == FieldType::Integer || type == FieldType::Float || type == FieldType::Boolean)) {
        double x = cell.toDouble(), y = n.literal.toDouble();
        c = x < y ? -1 : (x > y ? 1 : 0);
    } else if (n.literal.typeId() == QMetaType::Bool) {
        c = int(cell.toBool()) - int(n.literal.toBool());
    } else if ((type == FieldType::Date || type == FieldType::DateTime) && n.literal.typeId() == QMetaType::QString) {
        QDate want = QDate::fromString(n.literal.toString(), QStringLiteral("dd.MM.yyyy"));
        if (!want.isValid()) want = QDate::fromString(n.literal.toString(), Qt::ISODate);
        QDate have = type == FieldType::Date ? cell.toDate() : cell.toDateTime().date();
        c = have < want ? -1 : (have > want ? 1 : 0);
    } else {
        QString lit = n.literal.typeId() == QMetaType::Double ? displayText(n.literal).toCaseFolded() : n.foldedLiteral;
        c = text.compare(lit);
    }
    if (n.op == QLatin1String("=")) return c == 0;
    if (n.op == QLatin1String("<>")) return c != 0;
    if (n.op == QLatin1String("<")) return c < 0;
    if (n.op == QLatin1String(">")) return c > 0;
    if (n.op == QLatin1String("<=")) return c <= 0;
    return c >= 0;
}

}  // namespace zdb
