#pragma once

// The boards module's service: the camera and the soft-tip board, each on when its setting
// names one.

#include "boards/BoardService.h"
#include "boards/CameraSource.h"
#include "boards/SoftSource.h"

#include <QPointer>
#include <memory>

class QBluetoothDeviceDiscoveryAgent;

class TBoardServer final : public QObject, public TBoardService
{
    Q_OBJECT

public:
    explicit TBoardServer(const TBoardCalls& calls);
    ~TBoardServer() override;

    bool SetCamera(const QString& hostPort, QString& error) override;
    bool SetSoft(const QString& address, QString& error) override;
    void Search(std::function<void(const TFoundBoard& board)> found,
                std::function<void(const QString& problem)> done) override;

private:
    TCameraSource m_Camera;
    TSoftSource m_Soft;
    QPointer<QBluetoothDeviceDiscoveryAgent> m_Search;
};
