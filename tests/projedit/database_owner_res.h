#pragma once
#define IDD_DB_TEST_OWNER 9601
