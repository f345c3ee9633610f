// The build as a picture: a right-click (or the menu key) on 复制分享 offers
// to copy the card or to save it as a PNG file.

#include "Main.h"

#include "BuildCardLayout.h"
#include "BuildPictures.h"
#include "ClickLabel.h"
#include "PictureFile.h"
#include "PortraitWindow.h"
#include "Versions.h"

#include <QMenu>

namespace {

// Pictures leave the program at twice their size, sharp on any screen.
constexpr qreal PictureScale = 2;

} // namespace

void Main::wirePictureMenu()
{
    Label_FZNL->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Label_FZNL, &QWidget::customContextMenuRequested, this, &Main::Label_FZNL_ContextMenu);
}

void Main::Label_FZNL_ContextMenu(const QPoint &at)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PictureMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("复制为图片"), this, &Main::CopyBuildPicture_Click)
        ->setObjectName(QStringLiteral("CopyBuildPicture"));
    menu->addAction(QStringLiteral("保存为图片…"), this, &Main::SaveBuildPicture_Click)
        ->setObjectName(QStringLiteral("SaveBuildPicture"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("我的配置…"), this, &Main::libraryRequested)->setObjectName(QStringLiteral("OpenLibrary"));
    menu->popup(Label_FZNL->mapToGlobal(at));
}

QImage Main::buildPicture(qreal scale) const
{
    return paintBuildCard(buildCardLayout(buildCardFacts(m_engine, Versions::run().Fver())), m_portrait->picture(),
                          scale);
}

void Main::CopyBuildPicture_Click() { PictureFile::copy(buildPicture(PictureScale)); }

void Main::SaveBuildPicture_Click()
{
    PictureFile::save(this, buildPicture(PictureScale), QStringLiteral("保存为图片"),
                      QString(m_engine.characterName()).replace(u'/', u'_').replace(u'\\', u'_')
                          + QStringLiteral(".png"));
}
