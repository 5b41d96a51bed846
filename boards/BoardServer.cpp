#include "boards/BoardServer.h"

#include "boards/BluetoothTransport.h"
#include "boards/CameraMessages.h"
#include "boards/GranboardMessages.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothUuid>
#include <QHostAddress>

namespace {

constexpr int kSearchMs = 8000;

} // namespace

TBoardServer::TBoardServer(const TBoardCalls& calls)
    : m_Camera(calls), m_Soft(std::make_unique<TBluetoothTransport>(), calls)
{}

TBoardServer::~TBoardServer() = default;

bool TBoardServer::SetCamera(const QString& hostPort, QString& error)
{
    if (hostPort.trimmed().isEmpty()) {
        m_Camera.Stop();
        return true;
    }
    QString host;
    quint16 port = 0;
    if (!ParseCameraAddress(hostPort, host, port)) {
        error = tr("\"%1\" is no address of a camera service (host:port)").arg(hostPort);
        return false;
    }
    m_Camera.Start(host, port);
    return true;
}

bool TBoardServer::SetSoft(const QString& address, QString& error)
{
    if (address.trimmed().isEmpty()) {
        m_Soft.Stop();
        return true;
    }
    if (QBluetoothAddress(address.trimmed()).isNull()) {
        error = tr("\"%1\" is no Bluetooth address (like 00:11:22:33:44:55)").arg(address);
        return false;
    }
    m_Soft.Start(address.trimmed());
    return true;
}

void TBoardServer::Search(std::function<void(const TFoundBoard& board)> found,
                          std::function<void(const QString& problem)> done)
{
    delete m_Search;
    m_Search = new QBluetoothDeviceDiscoveryAgent(this);
    m_Search->setLowEnergyDiscoveryTimeout(kSearchMs);
    const QBluetoothUuid service(QString::fromLatin1(kGranboardService));
    connect(m_Search, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            [found, service](const QBluetoothDeviceInfo& device) {
                // Boards that do not advertise the service say their name.
                if (device.serviceUuids().contains(service) ||
                    device.name().contains(QLatin1String("GRAN"), Qt::CaseInsensitive)) {
                    found({device.address().toString(), device.name()});
                }
            });
    connect(m_Search, &QBluetoothDeviceDiscoveryAgent::finished, this, [done] { done({}); });
    connect(m_Search, &QBluetoothDeviceDiscoveryAgent::canceled, this, [done] { done({}); });
    connect(m_Search, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this,
            [this, done](QBluetoothDeviceDiscoveryAgent::Error) { done(m_Search->errorString()); });
    m_Search->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}
