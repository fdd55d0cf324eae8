#include "cycle/CycleListModel.h"

#include "cycle/CycleModule.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/prog/";

class CycleListModelTest : public ::testing::Test {
protected:
    void loadEntries(LineList entries)
    {
        files->files[dir + "x.dat"] = std::move(entries);
        module.load();
    }
    QString row(int r) const { return model.data(model.index(r, 0)).toString(); }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    CycleModule module { singleListModule("x.dat", "x.cfg"), dir, files, std::make_shared<ScriptedRandom>() };
    CycleListModel model { module.list() };
    QAbstractItemModelTester tester { &model, QAbstractItemModelTester::FailureReportingMode::Fatal };
};

} // namespace

TEST_F(CycleListModelTest, ShowsEachEntryAsOneRow)
{
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    loadEntries({ "C:\\A.BMP", "C:\\Fotos\\b.bmp" });
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(row(1), QString("C:\\Fotos\\b.bmp"));
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::DecorationRole).isValid());
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
}

TEST_F(CycleListModelTest, ReportsInsertionsAndRemovalsRowByRow)
{
    loadEntries({ "1", "2", "3", "4", "5" });
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    module.insert({ "A", "B" }, 2);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 2);
    EXPECT_EQ(inserted[0][2].toInt(), 3);
    EXPECT_EQ(row(2), QString("B"));
    EXPECT_EQ(row(3), QString("A"));

    module.add({ "C" });
    ASSERT_EQ(inserted.count(), 2);
    EXPECT_EQ(inserted[1][1].toInt(), 7);

    module.remove(0);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 0);
    EXPECT_EQ(removed[0][2].toInt(), 0);
    EXPECT_EQ(model.rowCount(), 7);

    module.insert({ "", "" }, 0); // nothing to insert, nothing to report
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(reset.count(), 0);
}

TEST_F(CycleListModelTest, ALongListIsEditedWithoutResettingTheView)
{
    LineList entries;
    for (int i = 0; i < 100000; ++i)
        entries.push_back("C:\\WINDOWS\\picture" + std::to_string(i) + ".bmp");
    loadEntries(std::move(entries));
    EXPECT_EQ(model.rowCount(), 100000);

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    module.insert({ "middle" }, 50000);
    module.remove(99999);
    module.add({ "last" });
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(row(50000), QString("middle"));
    EXPECT_EQ(row(100000), QString("last"));
}

TEST_F(CycleListModelTest, StopsWatchingWhenDestroyedBeforeTheList)
{
    auto second = std::make_unique<CycleListModel>(module.list());
    second.reset();
    loadEntries({ "A" });
    module.add({ "B" });
    EXPECT_EQ(model.rowCount(), 2);
}
