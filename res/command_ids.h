// Menu and accelerator commands shared by the windows of the editor.
#pragma once

// Stage editor menu: project and option commands.
#define ID_BMP_CONVERT 40061      // ビットマップ変換ツール
#define ID_PROJECT_OPTION 40062   // プロジェクトオプション
#define ID_STAGE_OPTION 40085     // ステージオプション
#define ID_EDIT_OPTION 40086      // エディットオプション
#define ID_SYSTEM_SETTING 40122   // システムの設定
