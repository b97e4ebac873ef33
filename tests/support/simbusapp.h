// The program started on the simulated serial bus: the stage simulator on a pseudo-terminal,
// the test application with that terminal as its port, the main window up. The rigs of the
// tests that run the whole program against the bus build on it. The start sends nothing on
// the bus, so a rig stocks the bus after it.
#pragma once

#include "pages/ctarnlinkdoc.h"
#include "platform/cdoctemplate.h"
#include "res/cbusaddress.h"
#include "shell/cmainframe.h"
#include "tests/sim/simbus.h"
#include "tests/sim/simserialline.h"
#include "tests/support/testapp.h"

#include <QDir>
#include <QMdiArea>
#include <QTemporaryDir>

#include <functional>

struct SimBusApp {
    SimBus bus;
    SimSerialLine line{bus};
    TestApp t;
    CMainFrame* frame = nullptr;
    QTemporaryDir dir;

    // `setUp` changes the settings before the program starts.
    explicit SimBusApp(const std::function<void(SimBusApp&)>& setUp = {})
    {
        line.Start();
        t.app().Settings().SetActiveCom(line.PortPath());
        if (setUp)
            setUp(*this);
        t.app().InitInstance();
        frame = t.app().MainFrame();
    }
    // The bus searched with the program in English.
    void SearchInEnglish()
    {
        t.app().OnLanguageEnglish();
        Search();
    }
    // The bus searched. Each probe gets the search's short time, which a loaded machine may
    // keep the simulator from meeting now and then: the search is made again until it has
    // listed every axis it can reach.
    void Search()
    {
        for (int round = 0; round < 3; ++round) {
            frame->OnSearch();
            if (EveryAxisListed())
                return;
        }
    }
    bool EveryAxisListed()
    {
        for (int address : bus.Addresses()) {
            if (address < t.app().m_addressCount && !frame->AxisItem(address))
                return false;
        }
        return true;
    }
    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    int Windows() const { return int(frame->MdiArea()->subWindowList().size()); }
    CTarnlinkView* ActiveView() const
    {
        return CMainFrame::ParameterViewOf(frame->MdiArea()->activeSubWindow());
    }
    // A new offline axis of `type` at `address` ("%02X"), as File New makes it.
    CTarnlinkView* OpenNew(DeviceType type, const QString& address)
    {
        t.app().OpenPage(CPageOpening::ForNewAxis(type, address));
        return ActiveView();
    }
};
