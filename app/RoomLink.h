#pragma once

// The room on the local network, as the program wires it: ActionRoomNetwork switches it on and
// off; on, the room module (loaded then, never before) serves the board and keypad pages, each
// page is sent the match as it stands after every change, and each keypad's request becomes an
// operation of the match session, like a typed turn, so the store, the caller, the computer
// and every window follow it. The port and the pages' tokens are kept in the settings.

#include "app/SettingsFile.h"
#include "room/RoomEvents.h"
#include "room/RoomKeypad.h"
#include "room/RoomService.h"

#include <QJsonObject>
#include <QLibrary>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

class QLabel;
class TFormVTX;

class TRoomLink final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultPort = 8405;

    explicit TRoomLink(TFormVTX& main);
    ~TRoomLink() override;

    // Takes Room/On, Room/Port and the tokens from the settings; with Room/On the room is
    // switched on once the window's contents are made.
    void Apply(const TSettings& settings);
    // Room/Port as the settings file had it when it could not be used: said once the room is on.
    void SetRefusedPort(const QString& text) { m_RefusedPort = text; }
    // The competition played here for the standings page (see TRoomKeypad::SetCompetition).
    void SetCompetition(const QJsonObject& competition);
    // Puts them into `settings`, each only once it has been used.
    void Take(TSettings& settings) const;

    // False, with the reason shown in the notice strip, when the port cannot be served.
    bool SetOn(bool on);
    bool IsOn() const { return m_Service != nullptr && m_On; }
    // Makes new tokens: every page opened with the old ones is shut out.
    void NewCodes();
    // The pages' addresses: board first, keypad second, on each of this computer's addresses.
    QStringList BoardAddresses() const;
    QStringList KeypadAddresses() const;
    TRoomService* Service() const { return m_Service.get(); }

    // The module's file, room/vantorix-room.so beside the running executable; tests point
    // elsewhere.
    static QString ModulePath();
    static void SetModulePath(const QString& path);

    // A keypad's message, applied to the match in play when it may be.
    TRoomReply Submit(const QByteArray& message);
    // A scoring board's darts so far in `side`'s visit, for the events stream.
    void BoardDarts(int side, const std::vector<TDart>& darts);
    // The events stream's address on each of this computer's addresses (ws://…/events?t=…).
    QStringList EventsAddresses() const;
    // The match as the pages show it, as JSON (`request`: the keypad request that made this
    // change, -1 for any other).
    QByteArray StateJson(int64_t request) const;

private:
    QJsonObject m_Competition;
    bool Load();
    void Publish();
    void ShowConnections(int boards, int keypads);
    static QByteArray NewToken();

    TFormVTX& m_Main;
    std::unique_ptr<TRoomService> m_Service;
    bool m_On = false;
    bool m_Followed = false;
    bool m_Used = false;
    int m_Port = kDefaultPort;
    bool m_PortSet = false;
    QByteArray m_BoardToken;
    QByteArray m_KeypadToken;
    QByteArray m_EventsToken;
    TRoomKeypad m_Keypad;
    // The match's events for the stream, made when the room is first switched on.
    std::unique_ptr<TRoomEvents> m_Events;
    std::optional<QString> m_RefusedPort;
    QPointer<QLabel> m_Connections;
};
