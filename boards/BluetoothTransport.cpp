#include "boards/BluetoothTransport.h"

#include "boards/GranboardMessages.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QLowEnergyController>
#include <QLowEnergyService>

TBluetoothTransport::~TBluetoothTransport()
{
    Close();
}

void TBluetoothTransport::Open(const QString& address)
{
    Close();
    QBluetoothDeviceInfo device(QBluetoothAddress(address), QString(), 0);
    device.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    m_Controller = QLowEnergyController::createCentral(device, this);
    connect(m_Controller, &QLowEnergyController::connected, m_Controller,
            [this] { m_Controller->discoverServices(); });
    connect(m_Controller, &QLowEnergyController::discoveryFinished, this,
            &TBluetoothTransport::OnServicesFound);
    connect(m_Controller, &QLowEnergyController::disconnected, this,
            [this] { emit Closed(QString()); });
    connect(m_Controller, &QLowEnergyController::errorOccurred, this,
            [this](QLowEnergyController::Error) {
                const QString reason = m_Controller->errorString();
                Close();
                emit Closed(reason);
            });
    m_Controller->connectToDevice();
}

void TBluetoothTransport::Close()
{
    if (m_Service != nullptr) {
        m_Service->disconnect(this);
        m_Service->deleteLater();
    }
    if (m_Controller != nullptr) {
        m_Controller->disconnect(this);
        m_Controller->disconnectFromDevice();
        m_Controller->deleteLater();
    }
}

void TBluetoothTransport::OnServicesFound()
{
    m_Service = m_Controller->createServiceObject(
        QBluetoothUuid(QString::fromLatin1(kGranboardService)), this);
    if (m_Service == nullptr) {
        Close();
        emit Closed(tr("it offers no dartboard service"));
        return;
    }
    connect(m_Service, &QLowEnergyService::stateChanged, this,
            [this](QLowEnergyService::ServiceState state) {
                if (state == QLowEnergyService::RemoteServiceDiscovered) {
                    Subscribe();
                }
            });
    connect(
        m_Service, &QLowEnergyService::characteristicChanged, this,
        [this](const QLowEnergyCharacteristic&, const QByteArray& value) { emit Received(value); });
    m_Service->discoverDetails();
}

void TBluetoothTransport::Subscribe()
{
    const QLowEnergyCharacteristic hits =
        m_Service->characteristic(QBluetoothUuid(QString::fromLatin1(kGranboardNotify)));
    const QLowEnergyDescriptor notify =
        hits.descriptor(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
    if (!hits.isValid() || !notify.isValid()) {
        Close();
        emit Closed(tr("it offers no dartboard service"));
        return;
    }
    m_Service->writeDescriptor(notify, QLowEnergyCharacteristic::CCCDEnableNotification);
    emit Opened();
}
