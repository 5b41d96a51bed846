#include "boards/CameraMessages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, TCameraEvent>, 6> kEvents = {{
    {"Throw detected", TCameraEvent::ThrowDetected},
    {"Takeout started", TCameraEvent::TakeoutStarted},
    {"Takeout finished", TCameraEvent::TakeoutFinished},
    {"Manual reset", TCameraEvent::ManualReset},
    {"Started", TCameraEvent::Started},
    {"Stopped", TCameraEvent::Stopped},
}};

constexpr std::array<std::pair<const char*, TCameraStatus>, 4> kStatuses = {{
    {"Throw", TCameraStatus::Throw},
    {"Takeout", TCameraStatus::Takeout},
    {"Takeout in progress", TCameraStatus::Takeout},
    {"Stopped", TCameraStatus::Stopped},
}};

template <typename T, size_t N>
T Lookup(const std::array<std::pair<const char*, T>, N>& table, const QString& text, T other)
{
    for (const auto& [name, value] : table) {
        if (text == QLatin1String(name)) {
            return value;
        }
    }
    return other;
}

template <typename T, size_t N>
QString Name(const std::array<std::pair<const char*, T>, N>& table, T value)
{
    for (const auto& [name, entry] : table) {
        if (entry == value) {
            return QLatin1String(name);
        }
    }
    return QStringLiteral("Other");
}

// A dart by its number and multiplier; the bed's spelling differs between versions and is
// read only where the multiplier is missing.
std::optional<TDart> ReadDart(const QJsonValue& value)
{
    const QJsonObject segment = value.toObject().value(QLatin1String("segment")).toObject();
    const QJsonValue number = segment.value(QLatin1String("number"));
    if (!number.isDouble()) {
        return std::nullopt;
    }
    const double numberValue = number.toDouble();
    QJsonValue multiplier = segment.value(QLatin1String("multiplier"));
    if (multiplier.isUndefined()) {
        const QString bed = segment.value(QLatin1String("bed")).toString();
        multiplier = bed == u"Triple" ? 3 : bed == u"Double" ? 2 : bed == u"Outside" ? 0 : 1;
    }
    if (!multiplier.isDouble()) {
        return std::nullopt;
    }
    const double multiplierValue = multiplier.toDouble();
    if (numberValue != static_cast<int>(numberValue) || numberValue < 0 || numberValue > 25 ||
        multiplierValue != static_cast<int>(multiplierValue) || multiplierValue < 0 ||
        multiplierValue > 3) {
        return std::nullopt;
    }
    const int32_t segmentNumber = static_cast<int32_t>(numberValue);
    const int32_t times = static_cast<int32_t>(multiplierValue);
    if (segmentNumber == 0 || times == 0) {
        return TDart{0, 1};
    }
    // T25 is no bed of the board; 21 to 24 are no numbers on it.
    if ((segmentNumber > 20 && segmentNumber < 25) || (segmentNumber == 25 && times == 3)) {
        return std::nullopt;
    }
    return TDart{segmentNumber, times};
}

} // namespace

std::optional<TCameraState> ParseCameraMessage(const QByteArray& message, QString& error)
{
    error.clear();
    if (message.size() > kMaxCameraMessageBytes) {
        error = QStringLiteral("message too large");
        return std::nullopt;
    }
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(message, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
        error = QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    if (object.value(QLatin1String("type")).toString() != u"state") {
        return std::nullopt;
    }
    const QJsonValue data = object.value(QLatin1String("data"));
    if (!data.isObject()) {
        error = QStringLiteral("a state without data");
        return std::nullopt;
    }
    const QJsonObject fields = data.toObject();
    TCameraState state;
    state.Connected = fields.value(QLatin1String("connected")).toBool();
    state.Running = fields.value(QLatin1String("running")).toBool();
    state.Status =
        Lookup(kStatuses, fields.value(QLatin1String("status")).toString(), TCameraStatus::Other);
    state.Event =
        Lookup(kEvents, fields.value(QLatin1String("event")).toString(), TCameraEvent::Other);
    const QJsonValue throws = fields.value(QLatin1String("throws"));
    if (!throws.isUndefined() && !throws.isNull() && !throws.isArray()) {
        error = QStringLiteral("throws is not a list");
        return std::nullopt;
    }
    const QJsonArray list = throws.toArray();
    if (static_cast<size_t>(list.size()) > kMaxCameraThrows) {
        error = QStringLiteral("more throws than a visit has");
        return std::nullopt;
    }
    for (const QJsonValue& value : list) {
        const std::optional<TDart> dart = ReadDart(value);
        if (!dart) {
            error = QStringLiteral("a throw that is no dart");
            return std::nullopt;
        }
        state.Throws.push_back(*dart);
    }
    return state;
}

QByteArray CameraStateJson(const TCameraState& state)
{
    QJsonArray throws;
    for (const TDart& dart : state.Throws) {
        const bool miss = dart.Segment == 0;
        QJsonObject segment{
            {QStringLiteral("number"), dart.Segment},
            {QStringLiteral("multiplier"), miss ? 0 : dart.Multiplier},
            {QStringLiteral("bed"), miss                   ? QStringLiteral("Outside")
                                    : dart.Multiplier == 3 ? QStringLiteral("Triple")
                                    : dart.Multiplier == 2 ? QStringLiteral("Double")
                                                           : QStringLiteral("SingleOuter")},
        };
        throws.append(QJsonObject{{QStringLiteral("segment"), segment}});
    }
    QJsonObject data{
        {QStringLiteral("connected"), state.Connected},
        {QStringLiteral("running"), state.Running},
        {QStringLiteral("status"), Name(kStatuses, state.Status)},
        {QStringLiteral("event"), Name(kEvents, state.Event)},
        {QStringLiteral("numThrows"), static_cast<int>(state.Throws.size())},
    };
    if (!state.Throws.empty()) {
        data.insert(QStringLiteral("throws"), throws);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("state")},
                                     {QStringLiteral("data"), data}})
        .toJson(QJsonDocument::Compact);
}

bool ParseCameraAddress(const QString& text, QString& host, quint16& port)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.lastIndexOf(u':');
    host = colon < 0 ? trimmed : trimmed.left(colon);
    port = kCameraServicePort;
    if (colon >= 0 ||
        (!trimmed.isEmpty() && trimmed.front().isDigit() && !trimmed.contains(u'.'))) {
        bool isNumber = false;
        const int number = (colon < 0 ? trimmed : trimmed.mid(colon + 1)).toInt(&isNumber);
        if (!isNumber || number < 1 || number > 65535) {
            return false;
        }
        port = static_cast<quint16>(number);
        if (colon < 0) {
            host.clear();
        }
    }
    if (host.isEmpty()) {
        host = QStringLiteral("127.0.0.1");
    }
    // A host name or an address: letters, digits, dots and dashes.
    return std::all_of(host.begin(), host.end(),
                       [](QChar c) { return c.isLetterOrNumber() || c == u'.' || c == u'-'; });
}
