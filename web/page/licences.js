// The notices of the libraries this page bundles, put here by the build
// (web/vite.config.js) from the packages themselves.
export const BUNDLED_LICENCES = '__TUNVEX_BUNDLED_LICENCES__';
