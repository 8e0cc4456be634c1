#!/usr/bin/env bash
# Installs the page authors' package from its folder into a scratch project, as
# a page project would, with no network, and loads it as a page would.
# Usage: check_package.sh PACKAGE_DIR. Exit 77 (skipped) without npm or node.
set -euo pipefail
package=$1
command -v npm >/dev/null && command -v node >/dev/null || { echo "npm or node missing: skipped"; exit 77; }
project=$(mktemp -d)
trap 'rm -rf "$project"' EXIT
cd "$project"
echo '{"name": "page-project", "private": true}' > package.json
npm install --offline --no-audit --no-fund --install-links "$package" >/dev/null
installed=node_modules/zephro-bridge
test -f "$installed/zephro.d.ts"
node -e '
  globalThis.window = {location: {pathname: "/share/zephro-sdk/dist/home/index.html"}};
  require("zephro-bridge");
  const z = window.zephro;
  if (z.pageName !== "home" || typeof z.invoke !== "function" || typeof window.__jsb.onResponse !== "function" ||
      typeof window.__eventBus.emit !== "function") process.exit(1);
'
echo "zephro-bridge installs and loads"
