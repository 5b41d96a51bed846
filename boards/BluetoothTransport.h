#pragma once

// The soft-tip board's link over Bluetooth LE: connects to the board, finds its service,
// subscribes to the characteristic it notifies hits on.

#include "boards/SoftSource.h"

#include <QPointer>

class QLowEnergyController;
class QLowEnergyService;

class TBluetoothTransport final : public TSoftTransport
{
    Q_OBJECT

public:
    using TSoftTransport::TSoftTransport;
    ~TBluetoothTransport() override;

    void Open(const QString& address) override;
    void Close() override;

private:
    void OnServicesFound();
    void Subscribe();

    QPointer<QLowEnergyController> m_Controller;
    QPointer<QLowEnergyService> m_Service;
};
