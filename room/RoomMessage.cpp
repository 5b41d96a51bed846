#include "room/RoomMessage.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>

namespace {

constexpr int64_t kMaxId = 2147483647;
// Versions count operations: far below 2^53, which a page's JSON number holds exactly.
constexpr int64_t kMaxVersion = 9007199254740991;

// A JSON number that is a whole number within [low, high].
std::optional<int64_t> WholeNumber(const QJsonValue& value, int64_t low, int64_t high)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::floor(number) ||
        number < static_cast<double>(low) || number > static_cast<double>(high)) {
        return std::nullopt;
    }
    return static_cast<int64_t>(number);
}

} // namespace

std::optional<TRoomRequest> ParseRoomRequest(const QByteArray& message, QString& error)
{
    if (message.size() > kMaxMessageBytes) {
        error = QCoreApplication::translate("RoomMessage", "Message too long (at most %1 bytes)")
                    .arg(kMaxMessageBytes);
        return std::nullopt;
    }
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(message, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
        error = QCoreApplication::translate("RoomMessage", "Not a JSON object");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    TRoomRequest request;
    if (object.contains(QStringLiteral("id"))) {
        const std::optional<int64_t> id =
            WholeNumber(object.value(QStringLiteral("id")), 0, kMaxId);
        if (!id) {
            error =
                QCoreApplication::translate("RoomMessage", "\"id\" must be a whole number from 0");
            return std::nullopt;
        }
        request.Id = *id;
    }
    if (object.contains(QStringLiteral("for"))) {
        const std::optional<int64_t> version =
            WholeNumber(object.value(QStringLiteral("for")), 0, kMaxVersion);
        if (!version) {
            error =
                QCoreApplication::translate("RoomMessage", "\"for\" must be a whole number from 0");
            return std::nullopt;
        }
        request.For = *version;
    }
    const QString op = object.value(QStringLiteral("op")).toString();
    if (op == QStringLiteral("undo")) {
        request.Kind = TRoomRequestKind::Undo;
        return request;
    }
    if (op == QStringLiteral("next")) {
        request.Kind = TRoomRequestKind::NextLeg;
        return request;
    }
    if (op == QStringLiteral("darts")) {
        const QJsonValue darts = object.value(QStringLiteral("darts"));
        std::string bad;
        if (!darts.isString() || !ParseDarts(darts.toString().toStdString(), request.Darts, &bad)) {
            error = bad.empty()
                        ? QCoreApplication::translate("RoomMessage", "At most three darts a turn")
                        : QCoreApplication::translate("RoomMessage", "\u201C%1\u201D is not a dart")
                              .arg(QString::fromStdString(bad));
            return std::nullopt;
        }
        request.Kind = TRoomRequestKind::Darts;
        return request;
    }
    if (op == QStringLiteral("left")) {
        const std::optional<int64_t> left =
            WholeNumber(object.value(QStringLiteral("left")), 0, 999);
        if (!left) {
            error = QCoreApplication::translate("RoomMessage",
                                                "\"left\" must be a whole number from 0 to 999");
            return std::nullopt;
        }
        request.Kind = TRoomRequestKind::Left;
        request.Left = static_cast<int32_t>(*left);
        return request;
    }
    if (op != QStringLiteral("turn") && op != QStringLiteral("checkout")) {
        error = QCoreApplication::translate(
            "RoomMessage", "Unknown \"op\": turn, checkout, left, darts, undo or next");
        return std::nullopt;
    }
    const std::optional<int64_t> score = WholeNumber(object.value(QStringLiteral("score")), 0, 999);
    if (!score) {
        error = QCoreApplication::translate("RoomMessage",
                                            "\"score\" must be a whole number from 0 to 999");
        return std::nullopt;
    }
    request.Score = static_cast<int32_t>(*score);
    if (op == QStringLiteral("turn")) {
        request.Kind = TRoomRequestKind::Turn;
        return request;
    }
    const std::optional<int64_t> darts = WholeNumber(object.value(QStringLiteral("darts")), 1, 3);
    if (!darts) {
        error =
            QCoreApplication::translate("RoomMessage", "\"darts\" of a checkout must be 1, 2 or 3");
        return std::nullopt;
    }
    request.Kind = TRoomRequestKind::Checkout;
    request.CheckoutDarts = static_cast<int32_t>(*darts);
    return request;
}

QByteArray RoomRequestJson(const TRoomRequest& request)
{
    QJsonObject object;
    switch (request.Kind) {
    case TRoomRequestKind::Turn:
        object.insert(QStringLiteral("op"), QStringLiteral("turn"));
        object.insert(QStringLiteral("score"), request.Score);
        break;
    case TRoomRequestKind::Checkout:
        object.insert(QStringLiteral("op"), QStringLiteral("checkout"));
        object.insert(QStringLiteral("score"), request.Score);
        object.insert(QStringLiteral("darts"), request.CheckoutDarts);
        break;
    case TRoomRequestKind::Darts:
        object.insert(QStringLiteral("op"), QStringLiteral("darts"));
        object.insert(QStringLiteral("darts"),
                      QString::fromStdString(DartsText(request.Darts, " ")));
        break;
    case TRoomRequestKind::Undo:
        object.insert(QStringLiteral("op"), QStringLiteral("undo"));
        break;
    case TRoomRequestKind::NextLeg:
        object.insert(QStringLiteral("op"), QStringLiteral("next"));
        break;
    case TRoomRequestKind::Left:
        object.insert(QStringLiteral("op"), QStringLiteral("left"));
        object.insert(QStringLiteral("left"), request.Left);
        break;
    }
    if (request.Id >= 0) {
        object.insert(QStringLiteral("id"), static_cast<qint64>(request.Id));
    }
    if (request.For >= 0) {
        object.insert(QStringLiteral("for"), static_cast<qint64>(request.For));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
